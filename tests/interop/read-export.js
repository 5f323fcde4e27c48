// The interoperability test: the program exports a log typed through its windows (ExportTypedLog), and
// an ADIF reader that this project does not write reads the file back. Every record must hold exactly
// the fields of its contact with their values.
//
//   node read-export.js <ExportTypedLog>      (NODE_PATH names the folder where npm ci put the reader)
'use strict';
const assert = require('node:assert/strict');
const {spawnSync} = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

let AdifParser;
try {
    ({AdifParser} = require('adif-parser-ts'));
} catch (error) {
    console.error(
        'The ADIF reader is not installed: scripts/test.sh installs it (npm ci into <build>/interop).');
    process.exit(1);
}

const comment = 'ZEVO Contest 2026 Łódź';
const operator = 'QQ1AAA';
// band, MHz, mode, time, call, reports, number received, exchange sent; in the order typed.
const contacts = [
    [ '160M', '1.800', 'SSB', '150000', 'QQ1A', '59', '1', '1' ],
    [ '80M', '3.500', 'CW', '150700', 'QQ2BB/P', '599', '22', '2' ],
    [ '40M', '7.000', 'SSB', '151400', 'QQ3CCC', '59', '', '3' ],
    [ '20M', '14.000', 'CW', '152100', 'QQ4DDDD', '599', '333', '4' ],
    [ '15M', '21.000', 'SSB', '152800', 'QQ5E', '59', 'K', '5' ],
    [ '10M', '28.000', 'CW', '153500', 'QQ6FF', '599', '004444', '6' ],
    [ '160M', '1.800', 'CW', '160000', 'SP1A', '599', '1', 'S' ],
    [ '80M', '3.500', 'SSB', '160700', 'SP2BB', '59', '22', 'S' ],
    [ '40M', '7.000', 'CW', '161400', 'SP3CCC/M', '599', '', 'S' ],
    [ '20M', '14.000', 'SSB', '162100', 'SP4DDDD', '59', '333', 'S' ],
    [ '15M', '21.000', 'CW', '162800', 'SP5E', '599', 'K', 'S' ],
    [ '10M', '28.000', 'SSB', '163500', 'SP6FF', '59', '004444', 'S' ],
];
// ADIF's STX and SRX are integers: letters travel in the string fields.
const exchange = (name, value) => (/^\d*$/.test(value) ? {[name] : value} : {[`${name}_string`] : value});
const expected = contacts.map(([ band, freq, mode, time, call, report, received, sent ]) => ({
                                  qso_date : '20260405',
                                  time_on : time,
                                  band,
                                  freq,
                                  mode,
                                  call,
                                  rst_rcvd : report,
                                  ...exchange('srx', received),
                                  rst_sent : report,
                                  ...exchange('stx', sent),
                                  comment,
                                  operator,
                              }));

const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'zevo-interop-'));
try {
    const file = path.join(folder, 'qq1aaa.adi');
    const run = spawnSync(process.argv[2], [], {
        env : {...process.env, ZEVO_ADIF_FILE : file},
        stdio : 'inherit',
    });
    assert.equal(run.status, 0, 'the export through the windows failed');

    // One character per byte, so that the reader counts the tag lengths in bytes as ADIF does; the
    // values are then decoded from the program's Windows-1250.
    const parsed = AdifParser.parseAdi(fs.readFileSync(file).toString('latin1'));
    const windows1250 = new TextDecoder('windows-1250');
    const records =
        (parsed.records ?? [])
            .map(
                (record) => Object.fromEntries(
                    Object.entries(record).map(
                        ([ field, value ]) => [field, windows1250.decode(Buffer.from(value, 'latin1'))]),
                    ),
            );
    assert.ok(parsed.header !== undefined, 'no ADIF header');
    assert.deepEqual(records, expected);
    console.log(`${records.length} records read back, every field with its value`);
} finally {
    fs.rmSync(folder, {recursive : true, force : true});
}
