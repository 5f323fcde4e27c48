<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CheckFileCommands</name>
    <message>
        <source>Check file</source>
        <translation>Plik kontrolny</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2.</source>
        <translation>Nie można odczytać pliku %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 is larger than 10 MB: it is no list of calls.</source>
        <translation>Plik %1 jest większy niż 10 MB: to nie jest lista znaków.</translation>
    </message>
    <message>
        <source>The file %1 is not a text file: it is no list of calls.</source>
        <translation>Plik %1 nie jest plikiem tekstowym: to nie jest lista znaków.</translation>
    </message>
    <message>
        <source>The file %1 holds no calls.</source>
        <translation>Plik %1 nie zawiera żadnych znaków.</translation>
    </message>
    <message>
        <source>Check files|*.scp|All files|*.*</source>
        <translation>Pliki kontrolne|*.scp|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <source>The check file could not be kept for the next start (%1); it is used until the program ends.</source>
        <translation>Nie można zachować pliku kontrolnego na następne uruchomienie (%1); jest używany do zamknięcia programu.</translation>
    </message>
    <message>
        <source>The copy of the check file could not be removed: the next start loads it again.</source>
        <translation>Nie można usunąć kopii pliku kontrolnego: następne uruchomienie wczyta ją ponownie.</translation>
    </message>
    <message>
        <source>Check file: %1 calls</source>
        <translation>Plik kontrolny, znaków: %1</translation>
    </message>
    <message>
        <source>Check file: 1 call</source>
        <translation>Plik kontrolny, znaków: 1</translation>
    </message>
    <message>
        <source> (1 line that is no call skipped)</source>
        <translation> (pominięte wiersze bez znaku: 1)</translation>
    </message>
    <message>
        <source> (%1 lines that are no call skipped)</source>
        <translation> (pominięte wiersze bez znaku: %1)</translation>
    </message>
</context>
<context>
    <name>DupeWatch</name>
    <message>
        <source>Check</source>
        <translation>Sprawdzanie</translation>
    </message>
    <message>
        <source>Calls of the log holding the call typed</source>
        <translation>Znaki z logu zawierające wpisany znak</translation>
    </message>
    <message>
        <source>Dupe: %1 %2 %3, line %4</source>
        <translation>Duplikat: %1 %2 %3, wiersz %4</translation>
    </message>
    <message>
        <source>Worked: %1 %2</source>
        <translation>Zrobiony: %1 %2</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... i %1 więcej</translation>
    </message>
    <message>
        <source>not in the check file</source>
        <translation>brak w pliku kontrolnym</translation>
    </message>
    <message>
        <source>In the log</source>
        <translation>W logu</translation>
    </message>
    <message>
        <source>In the check file, beginning with %1</source>
        <translation>W pliku kontrolnym, zaczynające się od %1</translation>
    </message>
    <message>
        <source>In the check file, holding %1</source>
        <translation>W pliku kontrolnym, zawierające %1</translation>
    </message>
</context>
<context>
    <name>FileChoice</name>
    <message>
        <source>Warning</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; exists.
Do you want to overwrite it?</source>
        <translation>Plik &quot;%1&quot; istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file, such as a device or a pipe: it is not replaced.
Nothing was saved.</source>
        <translation>&quot;%1&quot; nie jest zwykłym plikiem, lecz na przykład urządzeniem lub potokiem: nie zostanie zastąpiony.
Niczego nie zapisano.</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; cannot be written: %2
Nothing was saved.</source>
        <translation>Nie można zapisać pliku &quot;%1&quot;: %2
Niczego nie zapisano.</translation>
    </message>
</context>
<context>
    <name>LogHistory</name>
    <message>
        <source>add %1</source>
        <translation>dodanie %1</translation>
    </message>
    <message>
        <source>edit %1</source>
        <translation>poprawkę %1</translation>
    </message>
    <message>
        <source>delete %1</source>
        <translation>usunięcie %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>P&amp;onów</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>P&amp;onów %1</translation>
    </message>
    <message>
        <source>import of %1 contacts</source>
        <translation>import łączności: %1</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>RadioDialog</name>
    <message>
        <source>&amp;No radio</source>
        <translation>&amp;Bez radia</translation>
    </message>
    <message>
        <source>&amp;Connect to a running rigctld</source>
        <translation>&amp;Połącz z działającym rigctld</translation>
    </message>
    <message>
        <source>&amp;Start rigctld for a radio</source>
        <translation>&amp;Uruchom rigctld dla radia</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>P&amp;ort:</translation>
    </message>
    <message>
        <source>Hamlib &amp;model:</source>
        <translation>&amp;Model Hamlib:</translation>
    </message>
    <message>
        <source>Serial &amp;device:</source>
        <translation>Urządzenie &amp;szeregowe:</translation>
    </message>
</context>
<context>
    <name>RadioLink</name>
    <message>
        <source>rigctld could not be started: %1</source>
        <translation>Nie można uruchomić rigctld: %1</translation>
    </message>
    <message>
        <source>Radio: not connected</source>
        <translation>Radio: brak połączenia</translation>
    </message>
    <message>
        <source>Radio: rigctld answers error %1</source>
        <translation>Radio: rigctld odpowiada błędem %1</translation>
    </message>
    <message>
        <source>Radio: %1 MHz %2</source>
        <translation>Radio: %1 MHz %2</translation>
    </message>
    <message>
        <source>, outside the contest bands</source>
        <translation>, poza pasmami zawodów</translation>
    </message>
    <message>
        <source>, a mode not logged</source>
        <translation>, emisja nielogowana</translation>
    </message>
</context>
<context>
    <name>SessionJournal</name>
    <message>
        <source>Attention</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>The program ended without saving its log.
%1 lines, the last contact:
%2
Restore the log?</source>
        <translation>Program zakończył działanie bez zapisania logu.
Liczba linii: %1, ostatnia łączność:
%2
Przywrócić log?</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>The journal of that session is kept as
%1</source>
        <translation>Dziennik tamtej sesji zachowano jako
%1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Another ZEVO Contest program keeps the session journal.
This one runs without a journal: save the log often.</source>
        <translation>Dziennik sesji prowadzi inny uruchomiony program ZEVO Contest.
Ten działa bez dziennika: zapisuj log często.</translation>
    </message>
    <message>
        <source>The program ended without saving its log, and its journal is damaged. It is kept as
%3
%1 lines can be read from it, the last contact:
%2
Restore them?</source>
        <translation>Program zakończył pracę bez zapisania logu, a jego dziennik jest uszkodzony. Zachowano go jako
%3
Można z niego odczytać %1 linii, ostatnia łączność:
%2
Przywrócić je?</translation>
    </message>
    <message>
        <source>The journal of the last session is damaged and no log can be read from it. It is kept as
%1</source>
        <translation>Dziennik ostatniej sesji jest uszkodzony i nie można z niego odczytać logu. Zachowano go jako
%1</translation>
    </message>
    <message>
        <source>The session journal &quot;%1&quot; cannot be written (%2).
Logging goes on without it: save the log often.</source>
        <translation>Nie można zapisywać dziennika sesji &quot;%1&quot; (%2).
Praca trwa bez niego: zapisuj log często.</translation>
    </message>
</context>
<context>
    <name>TEditContact</name>
    <message>
        <source>Edit contact</source>
        <translation>Popraw łączność</translation>
    </message>
    <message>
        <source>Date (yyyy-mm-dd)</source>
        <translation>Data (rrrr-mm-dd)</translation>
    </message>
    <message>
        <source>Time UTC (hh:mm)</source>
        <translation>Czas UTC (gg:mm)</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Pasmo</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Emisja</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Znak</translation>
    </message>
    <message>
        <source>Report Sent</source>
        <translation>Raport nad.</translation>
    </message>
    <message>
        <source>Number Sent</source>
        <translation>Numer nadany</translation>
    </message>
    <message>
        <source>Report Rcvd</source>
        <translation>Raport odebr.</translation>
    </message>
    <message>
        <source>Number Rcvd</source>
        <translation>Numer odebr.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Frequency %1 kHz is kept unless another band is picked.</source>
        <translation>Częstotliwość %1 kHz zostaje, chyba że zostanie wybrane inne pasmo.</translation>
    </message>
    <message>
        <source>Frequency &quot;%1&quot; is outside the bands: it is kept unless a band is picked.</source>
        <translation>Częstotliwość &quot;%1&quot; leży poza pasmami: zostaje, chyba że zostanie wybrane pasmo.</translation>
    </message>
    <message>
        <source>Mode &quot;%1&quot; is kept unless SSB or CW is picked.</source>
        <translation>Emisja &quot;%1&quot; zostaje, chyba że zostanie wybrane SSB lub CW.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Used call</source>
        <translation>Używany znak</translation>
    </message>
    <message>
        <source>Header of Cabrillo file</source>
        <translation>Nagłówek pliku Cabrillo</translation>
    </message>
    <message>
        <source>Report Sent</source>
        <translation>Raport nad.</translation>
    </message>
    <message>
        <source>Report Rcvd</source>
        <translation>Raport odebr.</translation>
    </message>
    <message>
        <source>Date (yyyy-mm-dd)</source>
        <translation>Data (rrrr-mm-dd)</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Pasmo</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Emisja</translation>
    </message>
    <message>
        <source>Time UTC (hh:mm)</source>
        <translation>Czas UTC (gg:mm)</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Znak</translation>
    </message>
    <message>
        <source>Number Rcvd</source>
        <translation>Numer odebr.</translation>
    </message>
    <message>
        <source>Add to file</source>
        <translation>Dodaj do pliku</translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>Plik wyjściowy:</translation>
    </message>
    <message>
        <source>Load Cabrillo file</source>
        <translation>Ładuj plik Cabrillo</translation>
    </message>
    <message>
        <source>Load file to add QSOs</source>
        <translation>Ładuj plik w celu dodania łączności</translation>
    </message>
    <message>
        <source>Save Cabrillo file</source>
        <translation>Zapisz plik Cabrillo</translation>
    </message>
    <message>
        <source>Save ADIF file</source>
        <translation>Zapisz plik ADIF</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Ver. 4.00 freeware </source>
        <translation>Wer. 4.00 freeware </translation>
    </message>
    <message>
        <source>Cabrillo header</source>
        <translation>Nagłówek Cabrillo</translation>
    </message>
    <message>
        <source>Sorry, but you cannot change Cabrillo file header now!
Please use external editor like Notepad after end of program
to make changes in Cabrillo output file.</source>
        <translation>Niestety nie można zmienić teraz nagłówka pliku Cabrillo!
W celu wprowadzenia zmian w wyjściowym pliku Cabrillo
należy użyć zewnętrznego edytora (np. Notatnika)
po zakończeniu działania programu.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Please set the Header of Cabrillo file first!</source>
        <translation>Należy najpierw uzupełnic nagłówek pliku Cabrillo!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Cabrillo file is not saved now!
Save it?</source>
        <comment>question of Exit</comment>
        <translation>Plik Cabrillo nie został zapisany!
Zapisać?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Cabrillo file is not saved now!
Save it?</source>
        <comment>question of closing the window</comment>
        <translation>Plik Cabrillo nie jest jeszcze zapisany!
Zapisać?</translation>
    </message>
    <message>
        <source>Cabrillo files|*.cbr|All files|*.*</source>
        <translation>Pliki Cabrillo|*.cbr|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Cabrillo file is saved!</source>
        <translation>Plik Cabrillo został zapisany!</translation>
    </message>
    <message>
        <source>No Call set!</source>
        <translation>Brak znaku stacji!</translation>
    </message>
    <message>
        <source>No province sent selected!</source>
        <extracomment>Shown only in the Polish interface; its text there is &quot;Brak wybranego nadawanego skrótu województwa!&quot;</extracomment>
        <translation>Brak wybranego nadawanego skrótu województwa!</translation>
    </message>
    <message>
        <source>Incorrect date format!</source>
        <translation>Błędny format daty!</translation>
    </message>
    <message>
        <source>Incorrect data in Date field!</source>
        <translation>Niewłaściwe dane w polu daty!</translation>
    </message>
    <message>
        <source>Incorrect time format!</source>
        <translation>Błędny format czasu!</translation>
    </message>
    <message>
        <source>Incorrect data in Time field!</source>
        <translation>Niewłaściwe dane w polu czasu!</translation>
    </message>
    <message>
        <source>Only digits are acceptabled
in &quot;Number Sent&quot; field,
if this option is selected!</source>
        <translation>Przy wybraniu tej opcji
w polu &quot;Numer nadany&quot;
mogą być tylko cyfry!</translation>
    </message>
    <message>
        <source>Cabrillo file is not saved now!
Save it before open new file?</source>
        <translation>Plik Cabrillo z wprowadzonymi danymi nie został zapisany!
Zapisać plik przed wczytaniem nowego pliku?</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is too large to be a contest log (over %2 MB).
Nothing was loaded.</source>
        <translation>Plik &quot;%1&quot; jest zbyt duży jak na log zawodów (ponad %2 MB).
Niczego nie wczytano.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>La&amp;nguage</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>P&amp;omoc</translation>
    </message>
    <message>
        <source>&amp;Load Cabrillo file...</source>
        <translation>&amp;Wczytaj plik Cabrillo...</translation>
    </message>
    <message>
        <source>&amp;Save Cabrillo file</source>
        <translation>&amp;Zapisz plik Cabrillo</translation>
    </message>
    <message>
        <source>Save &amp;ADIF file...</source>
        <translation>Zapisz plik &amp;ADIF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Dziennik łączności</translation>
    </message>
    <message>
        <source>One minute later</source>
        <translation>O minutę później</translation>
    </message>
    <message>
        <source>One minute earlier</source>
        <translation>O minutę wcześniej</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a Cabrillo log.
Nothing was loaded.</source>
        <translation>Plik &quot;%1&quot; nie jest logiem Cabrillo.
Niczego nie wczytano.</translation>
    </message>
    <message>
        <source>The date %1 is not a date of the calendar!</source>
        <translation>Data %1 nie jest datą z kalendarza!</translation>
    </message>
    <message>
        <source>The time %1 is not a time of day (00:00 to 23:59)!</source>
        <translation>Czas %1 nie jest godziną doby (00:00 do 23:59)!</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Dziennik</translation>
    </message>
    <message>
        <source>&amp;Edit contact...</source>
        <translation>Po&amp;praw łączność...</translation>
    </message>
    <message>
        <source>&amp;Delete contact</source>
        <translation>&amp;Usuń łączność</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>P&amp;onów</translation>
    </message>
    <message>
        <source>&amp;Check log...</source>
        <translation>&amp;Sprawdź dziennik...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statystyki</translation>
    </message>
    <message>
        <source>&amp;Check panel</source>
        <translation>&amp;Panel sprawdzania</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file, such as a device or a pipe.
Nothing was loaded.</source>
        <translation>&quot;%1&quot; nie jest zwykłym plikiem, lecz na przykład urządzeniem lub potokiem.
Niczego nie wczytano.</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Raporty</translation>
    </message>
    <message>
        <source>Picture of the contest</source>
        <translation>Obrazek zawodów</translation>
    </message>
    <message>
        <source>Load chec&amp;k file...</source>
        <translation>Wczytaj plik k&amp;ontrolny...</translation>
    </message>
    <message>
        <source>&amp;Remove check file</source>
        <translation>&amp;Usuń plik kontrolny</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>&amp;Real time (UTC clock)</source>
        <translation>Czas &amp;rzeczywisty (zegar UTC)</translation>
    </message>
    <message>
        <source>Radio &amp;settings...</source>
        <translation>&amp;Ustawienia radia...</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>&amp;Import ADIF file...</source>
        <translation>&amp;Importuj plik ADIF...</translation>
    </message>
    <message>
        <source>ADIF files|*.adi|All files|*.*</source>
        <translation>Pliki ADIF|*.adi|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file, such as a device or a pipe.
Nothing was imported.</source>
        <translation>&quot;%1&quot; nie jest zwykłym plikiem, lecz na przykład urządzeniem lub potokiem.
Niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is too large to be a logbook&apos;s ADIF file (over %2 MB).
Nothing was imported.</source>
        <translation>Plik &quot;%1&quot; jest zbyt duży jak na plik ADIF programu do prowadzenia logu (ponad %2 MB).
Niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; holds no ADIF records.
Nothing was imported.</source>
        <translation>Plik &quot;%1&quot; nie zawiera rekordów ADIF.
Niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>The file ends inside the field %1 at byte %2: the records from there on are left out.</source>
        <translation>Plik kończy się wewnątrz pola %1 od bajtu %2: rekordy od tego miejsca pominięto.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Cabrillo Header</source>
        <translation>Nagłówek Cabrillo</translation>
    </message>
    <message>
        <source>Used call</source>
        <translation>Używany znak</translation>
    </message>
    <message>
        <source>Claimed Score</source>
        <translation>Liczba punktów</translation>
    </message>
    <message>
        <source>Name and Surname</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Ulica</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Miasto</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Kraj</translation>
    </message>
    <message>
        <source>Calls of all operators (separated by SPACE)</source>
        <translation>Znaki wszystkich operatorów (oddzielone spacjami)</translation>
    </message>
    <message>
        <source>Soapbox comments</source>
        <translation>Komentarz</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Emisja</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Pasmo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Please insert used call!
All blue fields must be completed!</source>
        <translation>Proszę wprowadzić znak używany podczas zawodów!
Wszystkie niebieskie pola muszą być wypełnione!</translation>
    </message>
    <message>
        <source>Please insert your full name!
All blue fields must be completed!</source>
        <translation>Proszę wprowadzić imię i nazwisko!
Wszystkie niebieskie pola muszą być wypełnione!</translation>
    </message>
    <message>
        <source>Please insert your address!
All blue fields must be completed!</source>
        <translation>Proszę wprowadzić adres!
Wszystkie niebieskie pola muszą być wypełnione!</translation>
    </message>
    <message>
        <source>Exactly tree bands must be set!</source>
        <translation>Należy wybrać dokładnie 3 pasma!</translation>
    </message>
    <message>
        <source>Exactly one band must be set!</source>
        <translation>Należy wybrać dokładnie 1 pasmo!</translation>
    </message>
    <message>
        <source>You select category:

%1

Is it OK?</source>
        <translation>Wybrana kategoria to:

%1

Potwierdzasz ten wybór?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no category of the list.
Please choose one of its entries.</source>
        <translation>&quot;%1&quot; nie jest kategorią z listy.
Proszę wybrać jedną z jej pozycji.</translation>
    </message>
    <message>
        <source>Picture of the contest</source>
        <translation>Obrazek zawodów</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>ADIF file</source>
        <translation>Zapis pliku ADIF</translation>
    </message>
    <message>
        <source>Comment for all records:</source>
        <translation>Komentarz dla wszystkich rekordów:</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Add FREQ to all records</source>
        <translation>Dodaj pole częstotliwości</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Powrót</translation>
    </message>
    <message>
        <source>ADIF files|*.adi|All files|*.*</source>
        <translation>Pliki ADIF|*.adi|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>ADIF file is saved!</source>
        <translation>Plik ADIF został zapisany!</translation>
    </message>
</context>
<context>
    <name>TImportAdif</name>
    <message>
        <source>no date or time</source>
        <translation>brak daty lub czasu</translation>
    </message>
    <message>
        <source>band outside the contest bands</source>
        <translation>pasmo spoza pasm zawodów</translation>
    </message>
    <message>
        <source>mode neither SSB nor CW</source>
        <translation>emisja inna niż SSB i CW</translation>
    </message>
    <message>
        <source>no call</source>
        <translation>brak znaku</translation>
    </message>
    <message>
        <source>does not fit its column</source>
        <translation>nie mieści się w swojej kolumnie</translation>
    </message>
    <message>
        <source>a character outside the log&apos;s character set</source>
        <translation>znak spoza zestawu znaków dziennika</translation>
    </message>
    <message>
        <source>Skipped: %1 (%2: &quot;%3&quot;)</source>
        <translation>Pominięty: %1 (%2: &quot;%3&quot;)</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>QSO line, or why it is skipped</source>
        <translation>Linia QSO albo powód pominięcia</translation>
    </message>
    <message>
        <source>Import ADIF file</source>
        <translation>Import pliku ADIF</translation>
    </message>
    <message>
        <source>&amp;From (UTC):</source>
        <translation>&amp;Od (UTC):</translation>
    </message>
    <message>
        <source>&amp;To (UTC):</source>
        <translation>&amp;Do (UTC):</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Check log</source>
        <translation>&amp;Sprawdź dziennik</translation>
    </message>
    <message>
        <source>%1 contacts imported, %2 records skipped.</source>
        <translation>Zaimportowane łączności: %1, pominięte rekordy: %2.</translation>
    </message>
    <message>
        <source>%1 of %2 records to import, %3 skipped.</source>
        <translation>Do importu: %1 z %2 rekordów, pominięte: %3.</translation>
    </message>
</context>
<context>
    <name>TLogCheck</name>
    <message>
        <source>Log check</source>
        <translation>Sprawdzenie dziennika</translation>
    </message>
    <message>
        <source>&amp;Findings:</source>
        <translation>&amp;Wykryte problemy:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linia</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Waga</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>&amp;Check again</source>
        <translation>&amp;Sprawdź ponownie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>No problems found</source>
        <translation>Nie znaleziono problemów</translation>
    </message>
    <message>
        <source>Errors: %1, warnings: %2</source>
        <translation>Błędy: %1, ostrzeżenia: %2</translation>
    </message>
    <message>
        <source>The log does not begin with START-OF-LOG:</source>
        <translation>Dziennik nie zaczyna się od START-OF-LOG:</translation>
    </message>
    <message>
        <source>The header has no %1 line</source>
        <translation>W nagłówku brak linii %1</translation>
    </message>
    <message>
        <source>The CALLSIGN: line names no call</source>
        <translation>Linia CALLSIGN: nie podaje znaku</translation>
    </message>
    <message>
        <source>Contacts made as %2, but the CALLSIGN: line names %1</source>
        <translation>Łączności prowadzone jako %2, a linia CALLSIGN: podaje %1</translation>
    </message>
    <message>
        <source>The log does not end with END-OF-LOG:</source>
        <translation>Dziennik nie kończy się linią END-OF-LOG:</translation>
    </message>
    <message>
        <source>END-OF-LOG: before the end of the log: the lines after it go unread</source>
        <translation>END-OF-LOG: przed końcem dziennika: linie za nią nie zostaną odczytane</translation>
    </message>
    <message>
        <source>QSO line too short: %1 characters instead of %2</source>
        <translation>Linia QSO za krótka: długość %1 zamiast %2</translation>
    </message>
    <message>
        <source>QSO line too long: %1 characters instead of %2</source>
        <translation>Linia QSO za długa: długość %1 zamiast %2</translation>
    </message>
    <message>
        <source>Blank out of place at column %1</source>
        <translation>Spacja nie na swoim miejscu w kolumnie %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the frequency of a contest band</source>
        <translation>&quot;%1&quot; nie jest częstotliwością pasma zawodów</translation>
    </message>
    <message>
        <source>Mode &quot;%1&quot; is neither PH nor CW</source>
        <translation>Emisja &quot;%1&quot; to ani PH, ani CW</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date (yyyy-mm-dd)</source>
        <translation>&quot;%1&quot; nie jest datą (rrrr-mm-dd)</translation>
    </message>
    <message>
        <source>Time %1 is not a time of day</source>
        <translation>Czas %1 nie jest godziną doby</translation>
    </message>
    <message>
        <source>Report sent &quot;%1&quot; is not a %2 report</source>
        <translation>Raport nadany &quot;%1&quot; nie jest raportem %2</translation>
    </message>
    <message>
        <source>Number sent &quot;%1&quot; is not a serial number</source>
        <translation>Numer nadany &quot;%1&quot; nie jest numerem kolejnym</translation>
    </message>
    <message>
        <source>Province sent &quot;%1&quot; is not a province letter</source>
        <translation>Nadawany skrót &quot;%1&quot; nie jest skrótem województwa</translation>
    </message>
    <message>
        <source>Call received &quot;%1&quot; is not a call</source>
        <translation>Znak odebrany &quot;%1&quot; nie jest znakiem</translation>
    </message>
    <message>
        <source>Report received &quot;%1&quot; is not a %2 report</source>
        <translation>Raport odebrany &quot;%1&quot; nie jest raportem %2</translation>
    </message>
    <message>
        <source>No number received</source>
        <translation>Brak odebranego numeru</translation>
    </message>
    <message>
        <source>%1 is earlier than %2 on line %3</source>
        <translation>%1 jest wcześniej niż %2 w linii %3</translation>
    </message>
    <message>
        <source>Date %1 is more than a day from %2 on line %3</source>
        <translation>Data %1 różni się o ponad dzień od %2 w linii %3</translation>
    </message>
    <message>
        <source>Serial %1 repeated, %2 expected</source>
        <translation>Numer %1 powtórzony, oczekiwano %2</translation>
    </message>
    <message>
        <source>Serial %1 goes back, %2 expected</source>
        <translation>Numer %1 cofa się, oczekiwano %2</translation>
    </message>
    <message>
        <source>Serial %1 skips numbers, %2 expected</source>
        <translation>Numer %1 pomija numery, oczekiwano %2</translation>
    </message>
    <message>
        <source>Dupe of %1 on %2 %3, line %4</source>
        <translation>Powtórzona łączność z %1 na %2 %3, linia %4</translation>
    </message>
    <message>
        <source>Findings of the log check</source>
        <translation>Wyniki sprawdzenia dziennika</translation>
    </message>
    <message>
        <source>The log had changed: checked again. %1</source>
        <translation>Log zmienił się: sprawdzono ponownie. %1</translation>
    </message>
</context>
<context>
    <name>TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Contacts by band</source>
        <translation>Łączności według pasm</translation>
    </message>
    <message>
        <source>Contacts per hour</source>
        <translation>Łączności na godzinę</translation>
    </message>
    <message>
        <source>Rate of the last 10 contacts</source>
        <translation>Tempo ostatnich 10 łączności</translation>
    </message>
    <message>
        <source>Last 60 minutes</source>
        <translation>Ostatnie 60 minut</translation>
    </message>
    <message>
        <source>Best 60 minutes</source>
        <translation>Najlepsze 60 minut</translation>
    </message>
    <message>
        <source>Average of the hours on the air</source>
        <translation>Średnio w godzinach pracy</translation>
    </message>
    <message>
        <source>Contacts per clock hour, by band</source>
        <translation>Łączności w kolejnych godzinach, według pasm</translation>
    </message>
    <message>
        <source>Save chart...</source>
        <translation>Zapisz wykres...</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Razem</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Znaki</translation>
    </message>
    <message>
        <source>Dupes</source>
        <translation>Duplikaty</translation>
    </message>
    <message>
        <source>Hour (UTC)</source>
        <translation>Godzina (UTC)</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Łączności</translation>
    </message>
    <message>
        <source>PNG pictures|*.png|All files|*.*</source>
        <translation>Obrazy PNG|*.png|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <source>Contacts per clock hour by band</source>
        <translation>Łączności w kolejnych godzinach według pasm</translation>
    </message>
</context>
</TS>
