#!/usr/bin/python3
# Writes pyqso.adi with the ADIF writer of Debian's pyqso package (apt-get install pyqso), headless:
# the contacts an operator would have logged in that logbook during the contest, with its own
# habits (lower-case field names, one field a line, no serials, SSB as USB/LSB in SUBMODE).
# Run again after changing the contacts, and commit the file it writes.
import os
import sys

from pyqso.adif import ADIF

RECORDS = [
    # 20 m SSB with its sideband as submode, megahertz with four decimals
    {"CALL": "QQ2BBB", "QSO_DATE": "20260405", "TIME_ON": "1507", "FREQ": "14.2505", "BAND": "20m",
     "MODE": "SSB", "SUBMODE": "USB", "RST_SENT": "59", "RST_RCVD": "57", "NAME": "Jan"},
    # 80 m CW, call typed in lower case, a note with Polish letters
    {"CALL": "qq3ccc", "QSO_DATE": "20260405", "TIME_ON": "150300", "FREQ": "3.525", "BAND": "80m",
     "MODE": "CW", "RST_SENT": "599", "RST_RCVD": "579", "NOTES": "Zażółć gęślą jaźń"},
    # 40 m LSB without reports: the mode's default
    {"CALL": "QQ4DDD/P", "QSO_DATE": "20260405", "TIME_ON": "1512", "FREQ": "7.1", "BAND": "40m",
     "MODE": "SSB", "SUBMODE": "LSB"},
    # a digital mode and a band outside the contest: both skipped
    {"CALL": "QQ5EEE", "QSO_DATE": "20260405", "TIME_ON": "1520", "FREQ": "14.074", "BAND": "20m",
     "MODE": "FT8", "RST_SENT": "-10", "RST_RCVD": "-12"},
    {"CALL": "QQ6FFF", "QSO_DATE": "20260405", "TIME_ON": "1525", "FREQ": "144.300", "BAND": "2m",
     "MODE": "SSB", "SUBMODE": "USB", "RST_SENT": "59", "RST_RCVD": "59"},
]

ADIF().write(RECORDS, os.path.join(os.path.dirname(os.path.abspath(sys.argv[0])), "pyqso.adi"))
