<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>vantorel-emulator</name>
    <message>
        <source>Usage: vantorel-emulator --name CLIENT --type P|B|E [options]
Emulates a VANTOREL device as the JACK client CLIENT with the MIDI ports
CLIENT:in (commands from the program) and CLIENT:out (replies).
Prints &quot;ready&quot; once the ports exist; SIGTERM or SIGINT ends it.

  --name CLIENT     JACK client name (required)
  --type P|B|E      edition: Pro, Basic or Eco (default P); another letter A-Z
                    makes an edition the program does not know
  --device-id N     device ID (default 1)
  --never-answer    receive everything, answer nothing
  --skip LETTER:N   leave out the N-th reply with this letter (repeatable)
  --delay MS        send every answer MS milliseconds late
  --alter-channel N store DMX channel N with another MIDI channel than written
  --firmware-date D firmware date &quot;MM-DD-YYYY HH:MM&quot;, or 0 for no valid firmware
  --bootloader      start in the bootloader and announce it
  --image-out FILE  write the image of each completed upload to FILE
  --channels-out FILE  at the end, write the stored channels to FILE, one
                    channel payload a line in channel order
  --corrupt-block N answer the N-th firmware block with a checksum error
  --drop-block-request N  leave out the N-th block request (1: the first)
  --echo-missing-byte     leave one byte out of the interface test echo
  --echo-wrong-byte       change one byte of the interface test echo
  --no-restart-after-id   answer &quot;E&quot; without restarting
  --no-upgrade-verdict    neither confirm nor refuse the final firmware block
  --bootloader-after-upgrade  start the bootloader again after an upload
  --loss P          lose each message in either direction with chance P (0..1)
  --seed S          start the losses of --loss from seed S (default 1)
  --drop LETTER:N[:before|:after]  lose the N-th command with this letter,
                    before the device acts on it (default) or after, so that
                    only its answer is lost (repeatable)
  --late LETTER:MS  answer commands with this letter MS milliseconds late
  --verbose         log received and sent messages on stderr
  --help            show this text
  --version         show the version
</source>
        <translation>Użycie: vantorel-emulator --name CLIENT --type P|B|E [opcje]
Emuluje urządzenie VANTOREL jako klienta JACK CLIENT z portami MIDI
CLIENT:in (polecenia od programu) i CLIENT:out (odpowiedzi).
Wypisuje &quot;ready&quot;, gdy porty istnieją; SIGTERM lub SIGINT kończy działanie.

  --name CLIENT     nazwa klienta JACK (wymagana)
  --type P|B|E      wersja: Pro, Basic lub Eco (domyślnie P); inna litera A-Z
                    tworzy wersję nieznaną programowi
  --device-id N     ID urządzenia (domyślnie 1)
  --never-answer    odbieraj wszystko, nie odpowiadaj na nic
  --skip LETTER:N   pomiń N-tą odpowiedź z tą literą (można powtarzać)
  --delay MS        wysyłaj każdą odpowiedź z opóźnieniem MS milisekund
  --alter-channel N zapisz kanał DMX N z innym kanałem MIDI niż zapisany
  --firmware-date D data firmware &quot;MM-DD-YYYY HH:MM&quot; lub 0, gdy brak
                    prawidłowego firmware
  --bootloader      uruchom w bootloaderze i ogłoś to
  --image-out FILE  zapisz obraz każdego ukończonego wgrania do FILE
  --channels-out FILE  na końcu zapisz przechowywane kanały do FILE, jeden
                    ładunek kanału na wiersz, w kolejności kanałów
  --corrupt-block N odpowiedz na N-ty blok firmware błędem sumy kontrolnej
  --drop-block-request N  pomiń N-te żądanie bloku (1: pierwsze)
  --echo-missing-byte     pomiń jeden bajt w echu testu interfejsu
  --echo-wrong-byte       zmień jeden bajt echa testu interfejsu
  --no-restart-after-id   odpowiedz &quot;E&quot; bez ponownego uruchomienia
  --no-upgrade-verdict    ani nie potwierdzaj, ani nie odrzucaj ostatniego bloku
                          firmware
  --bootloader-after-upgrade  po wgraniu uruchom ponownie bootloader
  --loss P          gub każdy komunikat w obu kierunkach z prawdopodobieństwem P
                    (0..1)
  --seed S          zacznij straty --loss od ziarna S (domyślnie 1)
  --drop LETTER:N[:before|:after]  zgub N-te polecenie z tą literą, zanim
                    urządzenie je wykona (domyślnie) lub po tym, tak że
                    ginie tylko odpowiedź (można powtarzać)
  --late LETTER:MS  odpowiadaj na polecenia z tą literą MS milisekund później
  --verbose         zapisuj odebrane i wysłane komunikaty na stderr
  --help            pokaż ten tekst
  --version         pokaż wersję
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>--name must not be empty</source>
        <translation>--name nie może być puste</translation>
    </message>
    <message>
        <source>--type must be P, B, E or another letter A-Z, not %1</source>
        <translation>--type musi być P, B, E lub inną literą A-Z, a nie %1</translation>
    </message>
    <message>
        <source>--device-id needs a number from 0 to 4294967295, not %1</source>
        <translation>--device-id wymaga liczby od 0 do 4294967295, a nie %1</translation>
    </message>
    <message>
        <source>--skip needs LETTER:N with N from 1, not %1</source>
        <translation>--skip wymaga LETTER:N z N od 1, a nie %1</translation>
    </message>
    <message>
        <source>--delay needs milliseconds from 0 to 600000, not %1</source>
        <translation>--delay wymaga liczby milisekund od 0 do 600000, a nie %1</translation>
    </message>
    <message>
        <source>--firmware-date needs &quot;MM-DD-YYYY HH:MM&quot; or 0, not %1</source>
        <translation>--firmware-date wymaga &quot;MM-DD-YYYY HH:MM&quot; lub 0, a nie %1</translation>
    </message>
    <message>
        <source>--image-out must not be empty</source>
        <translation>--image-out nie może być puste</translation>
    </message>
    <message>
        <source>--alter-channel needs a DMX channel from 1 to 512, not %1</source>
        <translation>--alter-channel wymaga kanału DMX od 1 do 512, a nie %1</translation>
    </message>
    <message>
        <source>--channels-out must not be empty</source>
        <translation>--channels-out nie może być puste</translation>
    </message>
    <message>
        <source>--loss needs a chance from 0 to 1, not %1</source>
        <translation>--loss wymaga prawdopodobieństwa od 0 do 1, a nie %1</translation>
    </message>
    <message>
        <source>--seed needs a number from 0 to 4294967295, not %1</source>
        <translation>--seed wymaga liczby od 0 do 4294967295, a nie %1</translation>
    </message>
    <message>
        <source>--drop needs LETTER:N, LETTER:N:before or LETTER:N:after, not %1</source>
        <translation>--drop wymaga LETTER:N, LETTER:N:before lub LETTER:N:after, a nie %1</translation>
    </message>
    <message>
        <source>--late needs LETTER:MS with MS from 0 to 600000, not %1</source>
        <translation>--late wymaga LETTER:MS z MS od 0 do 600000, a nie %1</translation>
    </message>
    <message>
        <source>%1 needs a number from 1, not %2</source>
        <translation>%1 wymaga liczby od 1, a nie %2</translation>
    </message>
    <message>
        <source>--name CLIENT is required</source>
        <translation>--name CLIENT jest wymagane</translation>
    </message>
    <message>
        <source>Cannot load the JACK library: %1</source>
        <translation>Nie można wczytać biblioteki JACK: %1</translation>
    </message>
    <message>
        <source>The JACK client name %1 is already taken</source>
        <translation>Nazwa klienta JACK %1 jest już zajęta</translation>
    </message>
    <message>
        <source>Cannot connect to the JACK server</source>
        <translation>Nie można połączyć się z serwerem JACK</translation>
    </message>
    <message>
        <source>Cannot open the JACK client %1</source>
        <translation>Nie można otworzyć klienta JACK %1</translation>
    </message>
    <message>
        <source>Cannot create the MIDI ports of %1</source>
        <translation>Nie można utworzyć portów MIDI klienta %1</translation>
    </message>
    <message>
        <source>Cannot activate the JACK client %1</source>
        <translation>Nie można aktywować klienta JACK %1</translation>
    </message>
    <message>
        <source>JACK is not available on this system</source>
        <translation>JACK nie jest dostępny w tym systemie</translation>
    </message>
    <message>
        <source>cannot install the console control handler</source>
        <translation>nie można zainstalować obsługi sterowania konsoli</translation>
    </message>
    <message>
        <source>Try &apos;vantorel-emulator --help&apos;.</source>
        <translation>Spróbuj &apos;vantorel-emulator --help&apos;.</translation>
    </message>
    <message>
        <source>output queue full, message dropped</source>
        <translation>kolejka wyjściowa pełna, komunikat odrzucony</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <source>image of %1 bytes written to %2</source>
        <translation>obraz o rozmiarze %1 bajtów zapisano do %2</translation>
    </message>
    <message>
        <source>the JACK server went away</source>
        <translation>serwer JACK przestał działać</translation>
    </message>
</context>
<context>
    <name>vantorel::BackupOperations</name>
    <message>
        <source>an edition this program does not know: %1</source>
        <translation>wersji nieznanej temu programowi: %1</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>The device did not say which edition it is.</source>
        <translation>Urządzenie nie podało swojej wersji.</translation>
    </message>
    <message>
        <source>The device is of %1.</source>
        <translation>Urządzenie jest %1.</translation>
    </message>
    <message>
        <source>Identity: %1, ID %2, firmware %3.</source>
        <translation>Tożsamość: %1, ID %2, firmware %3.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>The device sent no valid options.</source>
        <translation>Urządzenie nie wysłało prawidłowych opcji.</translation>
    </message>
    <message>
        <source>Options: Use Note Off %1, CC Zero Value Offset %2.</source>
        <translation>Opcje: Używaj Note Off %1, przesunięcie wartości zerowej CC %2.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>wł.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wył.</translation>
    </message>
    <message>
        <source>The device sent incomplete or invalid Basic/Eco modes.</source>
        <translation>Urządzenie wysłało niekompletne lub nieprawidłowe tryby Basic/Eco.</translation>
    </message>
    <message>
        <source>Basic/Eco modes: %1 in use.</source>
        <translation>Tryby Basic/Eco: używane: %1.</translation>
    </message>
    <message>
        <source>The device&apos;s channel table changed or was cut short while it was read: nothing was saved.</source>
        <translation>Tabela kanałów urządzenia zmieniła się lub została ucięta podczas odczytu: nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>The device holds channel data that cannot be kept: %1</source>
        <translation>Urządzenie zawiera dane kanałów, których nie można zachować: %1</translation>
    </message>
    <message>
        <source>Channels: %1.</source>
        <translation>Kanały: %1.</translation>
    </message>
    <message>
        <source>Options: not written; the device keeps its own.</source>
        <translation>Opcje: nie zapisano; urządzenie zachowuje własne.</translation>
    </message>
    <message>
        <source>Options: %1 of 2 written.</source>
        <translation>Opcje: zapisano %1 z 2.</translation>
    </message>
    <message>
        <source>Modes: not written; the device keeps its own.</source>
        <translation>Tryby: nie zapisano; urządzenie zachowuje własne.</translation>
    </message>
    <message numerus="yes">
        <source>Modes: %1 of %n slots written; the number in use was not written.</source>
        <translation>
            <numerusform>Tryby: zapisano %1 z %n pozycji; liczba używanych trybów nie została zapisana.</numerusform>
            <numerusform>Tryby: zapisano %1 z %n pozycji; liczba używanych trybów nie została zapisana.</numerusform>
            <numerusform>Tryby: zapisano %1 z %n pozycji; liczba używanych trybów nie została zapisana.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Modes: %n of %n slots written, %1 in use.</source>
        <translation>
            <numerusform>Tryby: zapisano %n z %n pozycji, używane: %1.</numerusform>
            <numerusform>Tryby: zapisano %n z %n pozycji, używane: %1.</numerusform>
            <numerusform>Tryby: zapisano %n z %n pozycji, używane: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channels: not touched; the device keeps its table.</source>
        <translation>Kanały: bez zmian; urządzenie zachowuje swoją tabelę.</translation>
    </message>
    <message>
        <source>Channels: the device was told to clear its table but did not confirm it; none written.</source>
        <translation>Kanały: urządzenie otrzymało polecenie wyczyszczenia tabeli, ale go nie potwierdziło; nic nie zapisano.</translation>
    </message>
    <message numerus="yes">
        <source>Channels: the device&apos;s table was cleared; %n of %1 written. The device now holds %n channel(s).</source>
        <translation>
            <numerusform>Kanały: tabela urządzenia została wyczyszczona; zapisano %n z %1. Urządzenie zawiera teraz %n kanał.</numerusform>
            <numerusform>Kanały: tabela urządzenia została wyczyszczona; zapisano %n z %1. Urządzenie zawiera teraz %n kanały.</numerusform>
            <numerusform>Kanały: tabela urządzenia została wyczyszczona; zapisano %n z %1. Urządzenie zawiera teraz %n kanałów.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup is of a %1, the device is a %2.</source>
        <translation>Kopia zapasowa pochodzi z %1, a urządzenie to %2.</translation>
    </message>
    <message>
        <source>device of %1</source>
        <translation>urządzenie %1</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Options written.</source>
        <translation>Opcje zapisane.</translation>
    </message>
    <message>
        <source>Basic/Eco modes not written: a VANTOREL Pro has none.</source>
        <translation>Nie zapisano trybów Basic/Eco: VANTOREL Pro ich nie ma.</translation>
    </message>
    <message>
        <source>Basic/Eco modes left as they are: the backup holds none.</source>
        <translation>Tryby Basic/Eco pozostawiono bez zmian: kopia zapasowa ich nie zawiera.</translation>
    </message>
    <message>
        <source>Basic/Eco modes written: %1 in use.</source>
        <translation>Zapisano tryby Basic/Eco: używane: %1.</translation>
    </message>
    <message>
        <source>Channels written: %1.</source>
        <translation>Zapisane kanały: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The device&apos;s channel table was cleared first; it holds these %n channel(s) now.</source>
        <translation>
            <numerusform>Tabela kanałów urządzenia została najpierw wyczyszczona; teraz zawiera ten %n kanał.</numerusform>
            <numerusform>Tabela kanałów urządzenia została najpierw wyczyszczona; teraz zawiera te %n kanały.</numerusform>
            <numerusform>Tabela kanałów urządzenia została najpierw wyczyszczona; teraz zawiera tych %n kanałów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Verified: the device holds what the backup holds.</source>
        <translation>Zweryfikowano: urządzenie zawiera to samo, co kopia zapasowa.</translation>
    </message>
    <message numerus="yes">
        <source>Verify failed: %n difference(s).</source>
        <translation>
            <numerusform>Weryfikacja nie powiodła się: %n różnica.</numerusform>
            <numerusform>Weryfikacja nie powiodła się: %n różnice.</numerusform>
            <numerusform>Weryfikacja nie powiodła się: %n różnic.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantorel::BoundedFile</name>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation>plik jest większy niż %1</translation>
    </message>
</context>
<context>
    <name>vantorel::CalculatorDialog</name>
    <message>
        <source>16 bit calculator</source>
        <translation>Kalkulator 16-bitowy</translation>
    </message>
    <message>
        <source>Low byte (0..255)</source>
        <translation>Młodszy bajt (0..255)</translation>
    </message>
    <message>
        <source>High byte (0..255)</source>
        <translation>Starszy bajt (0..255)</translation>
    </message>
    <message>
        <source>Value (0..65535)</source>
        <translation>Wartość (0..65535)</translation>
    </message>
    <message>
        <source>Bytes to value</source>
        <translation>Bajty na wartość</translation>
    </message>
    <message>
        <source>Value to bytes</source>
        <translation>Wartość na bajty</translation>
    </message>
    <message>
        <source>No value entered!</source>
        <translation>Nie wprowadzono wartości!</translation>
    </message>
    <message>
        <source>Illegal chars in input!</source>
        <translation>Niedozwolone znaki w danych!</translation>
    </message>
    <message>
        <source>Value too high!</source>
        <translation>Wartość zbyt duża!</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelChanges</name>
    <message numerus="yes">
        <source>The device also holds %n channel(s) that the %1 lacks: %2</source>
        <translation>
            <numerusform>Urządzenie zawiera też %n kanał, którego brak w: %1. Kanał: %2</numerusform>
            <numerusform>Urządzenie zawiera też %n kanały, których brak w: %1. Kanały: %2</numerusform>
            <numerusform>Urządzenie zawiera też %n kanałów, których brak w: %1. Kanały: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Anulowano: nic nie zostało zapisane.</translation>
    </message>
    <message numerus="yes">
        <source>The device already holds these %n channels: nothing was written.</source>
        <translation>
            <numerusform>Urządzenie już zawiera ten %n kanał: nic nie zostało zapisane.</numerusform>
            <numerusform>Urządzenie już zawiera te %n kanały: nic nie zostało zapisane.</numerusform>
            <numerusform>Urządzenie już zawiera tych %n kanałów: nic nie zostało zapisane.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing all %n channels.</source>
        <translation>
            <numerusform>Zapisywanie %n kanału.</numerusform>
            <numerusform>Zapisywanie wszystkich %n kanałów.</numerusform>
            <numerusform>Zapisywanie wszystkich %n kanałów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing %1 of %n channels: %2</source>
        <translation>
            <numerusform>Zapisywanie %1 z %n kanału: %2</numerusform>
            <numerusform>Zapisywanie %1 z %n kanałów: %2</numerusform>
            <numerusform>Zapisywanie %1 z %n kanałów: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelColumns</name>
    <message>
        <source>DMX ch.</source>
        <translation>Kan. DMX</translation>
    </message>
    <message>
        <source>Act. ctrl/Value</source>
        <translation>Ster. Active/Value</translation>
    </message>
    <message>
        <source>Data =</source>
        <translation>Dane =</translation>
    </message>
    <message>
        <source>MIDI ch.</source>
        <translation>Kan. MIDI</translation>
    </message>
    <message>
        <source>Active on</source>
        <translation>Aktywny przy</translation>
    </message>
    <message>
        <source>Note On/CC</source>
        <translation>Note On/CC</translation>
    </message>
    <message>
        <source>Velocity/Value</source>
        <translation>Velocity/Value</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Data = (constant value)</source>
        <translation>Dane = (wartość stała)</translation>
    </message>
    <message>
        <source>From Note On/CC</source>
        <translation>Od Note On/CC</translation>
    </message>
    <message>
        <source>To Note On/CC</source>
        <translation>Do Note On/CC</translation>
    </message>
    <message>
        <source>Data = (fixed value)</source>
        <translation>Dane = (wartość ustalona)</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelCsv</name>
    <message>
        <source>Empty data file!</source>
        <translation>Pusty plik danych!</translation>
    </message>
    <message>
        <source>Unrecognized header data!</source>
        <translation>Nierozpoznany nagłówek danych!</translation>
    </message>
    <message>
        <source>Improper data format in line %1: the DMX channel &quot;%2&quot; is not a number.<byte value="xd"/>
Nothing was loaded.</source>
        <translation>Nieprawidłowy format danych w wierszu %1: kanał DMX „%2” nie jest liczbą.</translation>
    </message>
    <message>
        <source>The DMX channel %1 appears more than once: lines %2 and %3.</source>
        <translation>Kanał DMX %1 występuje więcej niż raz: wiersze %2 i %3.</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelDocument</name>
    <message>
        <source>Read from device</source>
        <translation>Odczytaj z urządzenia</translation>
    </message>
    <message>
        <source>Restore unsaved changes</source>
        <translation>Przywróć niezapisane zmiany</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelDumpCollector</name>
    <message>
        <source>Unreadable channel data: %1</source>
        <translation>Nieczytelne dane kanału: %1</translation>
    </message>
    <message>
        <source>Channel without note labels left out: %1</source>
        <translation>Pominięto kanał bez etykiet nut: %1</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelFile</name>
    <message>
        <source>Cannot open the file %1: %2</source>
        <translation>Nie można otworzyć pliku %1: %2</translation>
    </message>
    <message>
        <source>Cannot save the file %1: %2</source>
        <translation>Nie można zapisać pliku %1: %2</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelInputDialog</name>
    <message>
        <source>Destination channel number</source>
        <translation>Numer kanału docelowego</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>No valid number entered.</source>
        <translation>Nie wprowadzono prawidłowej liczby.</translation>
    </message>
    <message>
        <source>Invalid number entered - please enter digits only.</source>
        <translation>Wprowadzono nieprawidłową liczbę - wpisz tylko cyfry.</translation>
    </message>
    <message>
        <source>Too high channel number.</source>
        <translation>Za wysoki numer kanału.</translation>
    </message>
    <message>
        <source>Too low channel number.</source>
        <translation>Za niski numer kanału.</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelRecovery</name>
    <message>
        <source>row %1 holds %2 &quot;%3&quot;, which no channel can have</source>
        <translation>wiersz %1 zawiera w polu %2 wartość „%3”, której żaden kanał nie może mieć</translation>
    </message>
    <message>
        <source>row %1 holds DMX channel %2 a second time</source>
        <translation>wiersz %1 zawiera po raz drugi kanał DMX %2</translation>
    </message>
    <message>
        <source>row %1 (DMX channel %2) is out of order</source>
        <translation>wiersz %1 (kanał DMX %2) jest poza kolejnością</translation>
    </message>
    <message>
        <source>Cannot write the recovery file %1: %2</source>
        <translation>Nie można zapisać pliku odzyskiwania %1: %2</translation>
    </message>
    <message>
        <source>the file is not a recovery file of this program</source>
        <translation>plik nie jest plikiem odzyskiwania tego programu</translation>
    </message>
    <message>
        <source>a row does not have %1 cells</source>
        <translation>wiersz nie ma %1 komórek</translation>
    </message>
    <message>
        <source>a cell is not a text</source>
        <translation>komórka nie jest tekstem</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelTable</name>
    <message>
        <source>Wrong input  - type digits only.</source>
        <translation>Błędne dane  - wpisz tylko cyfry.</translation>
    </message>
    <message>
        <source>Wrong input  - DMX channels starts from 1.</source>
        <translation>Błędne dane  - kanały DMX zaczynają się od 1.</translation>
    </message>
    <message>
        <source>Wrong input  - DMX channels ends on 512.</source>
        <translation>Błędne dane  - kanały DMX kończą się na 512.</translation>
    </message>
    <message>
        <source>DMX channel %1 already on the list.</source>
        <translation>Kanał DMX %1 jest już na liście.</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelTableModel</name>
    <message>
        <source>DMX ch.</source>
        <translation>Kan. DMX</translation>
    </message>
    <message>
        <source>Act. ctrl/Value</source>
        <translation>Ster. Active/Value</translation>
    </message>
    <message>
        <source>Data =</source>
        <translation>Dane =</translation>
    </message>
    <message>
        <source>MIDI ch.</source>
        <translation>Kan. MIDI</translation>
    </message>
    <message>
        <source>Active on</source>
        <translation>Aktywny przy</translation>
    </message>
    <message>
        <source>Note On/CC</source>
        <translation>Note On/CC</translation>
    </message>
    <message>
        <source>Velocity/Value</source>
        <translation>Velocity/Value</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>DMX channel</source>
        <translation>Kanał DMX</translation>
    </message>
    <message>
        <source>Control mode</source>
        <translation>Tryb sterowania</translation>
    </message>
    <message>
        <source>Constant value</source>
        <translation>Wartość stała</translation>
    </message>
    <message>
        <source>MIDI channel</source>
        <translation>Kanał MIDI</translation>
    </message>
    <message>
        <source>From note</source>
        <translation>Od nuty</translation>
    </message>
    <message>
        <source>To note</source>
        <translation>Do nuty</translation>
    </message>
    <message>
        <source>Data type</source>
        <translation>Typ danych</translation>
    </message>
    <message>
        <source>Fixed value</source>
        <translation>Wartość ustalona</translation>
    </message>
    <message>
        <source>The device holds other data for this channel.</source>
        <translation>Urządzenie ma inne dane dla tego kanału.</translation>
    </message>
    <message>
        <source>DMX %1</source>
        <translation>DMX %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>control mode and constant value</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>MIDI channel %1</source>
        <translation>Kanał MIDI %1</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <comment>message, from note, to note</comment>
        <translation>%1 %2 do %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>data type and fixed value</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the fields of a row</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelTransfer</name>
    <message>
        <source>Reading data...</source>
        <translation>Odczyt danych...</translation>
    </message>
    <message>
        <source>Cancelled: no channel was received.</source>
        <translation>Anulowano: nie odebrano żadnego kanału.</translation>
    </message>
    <message>
        <source>No data received.</source>
        <translation>Nie odebrano danych.</translation>
    </message>
    <message>
        <source>Data ready.</source>
        <translation>Dane gotowe.</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled: %n channels received; the rest were not awaited.</source>
        <translation>
            <numerusform>Anulowano: odebrano %n kanał; na pozostałe nie czekano.</numerusform>
            <numerusform>Anulowano: odebrano %n kanały; na pozostałe nie czekano.</numerusform>
            <numerusform>Anulowano: odebrano %n kanałów; na pozostałe nie czekano.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to write...</source>
        <translation>Nic do zapisania...</translation>
    </message>
    <message>
        <source>Row %1, DMX ch. &quot;%2&quot;: %3 &quot;%4&quot;</source>
        <translation>Wiersz %1, kan. DMX „%2”: %3 „%4”</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more row(s).</source>
        <translation>
            <numerusform>... i jeszcze %n wiersz.</numerusform>
            <numerusform>... i jeszcze %n wiersze.</numerusform>
            <numerusform>... i jeszcze %n wierszy.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was written: %n row(s) hold data the device cannot take.<byte value="xd"/>
%1</source>
        <translation>
            <numerusform>Nic nie zapisano: %n wiersz zawiera dane, których urządzenie nie przyjmie.</numerusform>
            <numerusform>Nic nie zapisano: %n wiersze zawierają dane, których urządzenie nie przyjmie.</numerusform>
            <numerusform>Nic nie zapisano: %n wierszy zawiera dane, których urządzenie nie przyjmie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cancelled: %1 of %n channels written.</source>
        <translation>
            <numerusform>Anulowano: zapisano %1 z %n kanału.</numerusform>
            <numerusform>Anulowano: zapisano %1 z %n kanałów.</numerusform>
            <numerusform>Anulowano: zapisano %1 z %n kanałów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Writing data to device...</source>
        <translation>Zapisywanie danych do urządzenia...</translation>
    </message>
    <message>
        <source>Writing data to device finished succesfully.</source>
        <translation>Zapisywanie danych do urządzenia zakończone pomyślnie.</translation>
    </message>
    <message>
        <source>Writing data to device failed.</source>
        <translation>Zapisywanie danych do urządzenia nie powiodło się.</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelVerify</name>
    <message>
        <source>Verify failed: %1</source>
        <translation>Weryfikacja nie powiodła się: %1</translation>
    </message>
    <message>
        <source>Comparison impossible: %1</source>
        <translation>Porównanie niemożliwe: %1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... i jeszcze %n.</numerusform>
            <numerusform>... i jeszcze %n.</numerusform>
            <numerusform>... i jeszcze %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) differ. %1</source>
        <translation>
            <numerusform>%n kanał się różni. %1</numerusform>
            <numerusform>%n kanały się różnią. %1</numerusform>
            <numerusform>%n kanałów się różni. %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the channels read back from the device are incomplete.</source>
        <translation>kanały odczytane z urządzenia są niekompletne.</translation>
    </message>
    <message>
        <source>the device did not send its channels.</source>
        <translation>urządzenie nie wysłało swoich kanałów.</translation>
    </message>
    <message numerus="yes">
        <source>The device holds the same %n channels.</source>
        <translation>
            <numerusform>Urządzenie zawiera ten sam %n kanał.</numerusform>
            <numerusform>Urządzenie zawiera te same %n kanały.</numerusform>
            <numerusform>Urządzenie zawiera tych samych %n kanałów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n differ</source>
        <translation>
            <numerusform>, %n się różni</numerusform>
            <numerusform>, %n się różnią</numerusform>
            <numerusform>, %n się różni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verify cancelled: %1 of %n channels read back match%2; the rest were not checked.</source>
        <translation>
            <numerusform>Weryfikacja anulowana: zgodnych jest %1 z %n odczytanego kanału%2; pozostałych nie sprawdzono.</numerusform>
            <numerusform>Weryfikacja anulowana: zgodnych jest %1 z %n odczytanych kanałów%2; pozostałych nie sprawdzono.</numerusform>
            <numerusform>Weryfikacja anulowana: zgodnych jest %1 z %n odczytanych kanałów%2; pozostałych nie sprawdzono.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 repair</source>
        <translation>1 naprawie</translation>
    </message>
    <message numerus="yes">
        <source>%n repairs</source>
        <translation>
            <numerusform>%n naprawie</numerusform>
            <numerusform>%n naprawach</numerusform>
            <numerusform>%n naprawach</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreadable channel data: %1</source>
        <translation>Nieczytelne dane kanału: %1</translation>
    </message>
    <message numerus="yes">
        <source>Writing %n channel(s) again that differ: %1</source>
        <translation>
            <numerusform>Ponowne zapisywanie %n różniącego się kanału: %1</numerusform>
            <numerusform>Ponowne zapisywanie %n różniących się kanałów: %1</numerusform>
            <numerusform>Ponowne zapisywanie %n różniących się kanałów: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verify cancelled: %1 of %n channel(s) that differed were written again and not read back.</source>
        <translation>
            <numerusform>Weryfikacja anulowana: %1 z %n różniącego się kanału zapisano ponownie, ale nie odczytano z powrotem.</numerusform>
            <numerusform>Weryfikacja anulowana: %1 z %n różniących się kanałów zapisano ponownie, ale nie odczytano ich z powrotem.</numerusform>
            <numerusform>Weryfikacja anulowana: %1 z %n różniących się kanałów zapisano ponownie, ale nie odczytano ich z powrotem.</numerusform>
        </translation>
    </message>
    <message>
        <source>Verify failed: %1 Writing them again failed.</source>
        <translation>Weryfikacja nie powiodła się: %1 Ponowne ich zapisanie nie powiodło się.</translation>
    </message>
    <message>
        <source> after %1</source>
        <translation> po %1</translation>
    </message>
    <message numerus="yes">
        <source>Verified%1: %n channels match.</source>
        <translation>
            <numerusform>Zweryfikowano%1: %n kanał jest zgodny.</numerusform>
            <numerusform>Zweryfikowano%1: %n kanały są zgodne.</numerusform>
            <numerusform>Zweryfikowano%1: %n kanałów jest zgodnych.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> The device also holds %n channel(s) that were not written.</source>
        <translation>
            <numerusform> Urządzenie zawiera też %n kanał, który nie został zapisany.</numerusform>
            <numerusform> Urządzenie zawiera też %n kanały, które nie zostały zapisane.</numerusform>
            <numerusform> Urządzenie zawiera też %n kanałów, które nie zostały zapisane.</numerusform>
        </translation>
    </message>
    <message>
        <source>Verify failed%1: the channels read back from the device are incomplete.</source>
        <translation>Weryfikacja nie powiodła się%1: kanały odczytane z urządzenia są niekompletne.</translation>
    </message>
    <message>
        <source>Verify failed%1: %2</source>
        <translation>Weryfikacja nie powiodła się%1: %2</translation>
    </message>
    <message numerus="yes">
        <source> ... and %n more</source>
        <translation>
            <numerusform> ... i jeszcze %n</numerusform>
            <numerusform> ... i jeszcze %n</numerusform>
            <numerusform> ... i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 written, %3 in the device</source>
        <translation>%1 %2 zapisano, %3 w urządzeniu</translation>
    </message>
    <message>
        <source>%1 %2 in the file, %3 in the device</source>
        <translation>%1 %2 w pliku, %3 w urządzeniu</translation>
    </message>
    <message>
        <source>%1 %2 in the backup, %3 in the device</source>
        <translation>%1 %2 w kopii zapasowej, %3 w urządzeniu</translation>
    </message>
    <message>
        <source>data %1 written, %2 in the device</source>
        <translation>dane %1 zapisano, %2 w urządzeniu</translation>
    </message>
    <message>
        <source>data %1 in the file, %2 in the device</source>
        <translation>dane %1 w pliku, %2 w urządzeniu</translation>
    </message>
    <message>
        <source>data %1 in the backup, %2 in the device</source>
        <translation>dane %1 w kopii zapasowej, %2 w urządzeniu</translation>
    </message>
    <message>
        <source>Channel %1: not in the device.</source>
        <translation>Kanał %1: brak w urządzeniu.</translation>
    </message>
    <message>
        <source>Channel %1: in the device only.</source>
        <translation>Kanał %1: tylko w urządzeniu.</translation>
    </message>
    <message>
        <source>Channel %1: %2.</source>
        <translation>Kanał %1: %2.</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelsPage</name>
    <message>
        <source>VANTOREL Control Center</source>
        <translation>VANTOREL Control Center</translation>
    </message>
    <message>
        <source>Save the changes to the channel table?</source>
        <translation>Zapisać zmiany w tabeli kanałów?</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ponów: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>DMX ch.</source>
        <translation>Kan. DMX</translation>
    </message>
    <message>
        <source>DMX channel number</source>
        <translation>Numer kanału DMX</translation>
    </message>
    <message>
        <source>Active Ctrl/Value</source>
        <translation>Sterowanie Active/Value</translation>
    </message>
    <message>
        <source>General control mode.<byte value="xd"/>
Active - incoming data,<byte value="xd"/>
Value - always on with value &quot;Data =&quot;. </source>
        <translation>Ogólny tryb sterowania.</translation>
    </message>
    <message>
        <source>Data =</source>
        <translation>Dane =</translation>
    </message>
    <message>
        <source>Fixed value of the constantly activated DMX channel.</source>
        <translation>Stała wartość stale aktywnego kanału DMX.</translation>
    </message>
    <message>
        <source>MIDI ch.</source>
        <translation>Kan. MIDI</translation>
    </message>
    <message>
        <source>MIDI channel for this DMX channel.</source>
        <translation>Kanał MIDI dla tego kanału DMX.</translation>
    </message>
    <message>
        <source>Active on</source>
        <translation>Aktywny przy</translation>
    </message>
    <message>
        <source>MIDI message for this DMX channel.</source>
        <translation>Komunikat MIDI dla tego kanału DMX.</translation>
    </message>
    <message>
        <source>From<byte value="xd"/>
Note On/CC</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>DMX channel active from this Note/CC.</source>
        <translation>Kanał DMX aktywny od tej nuty/CC.</translation>
    </message>
    <message>
        <source>To<byte value="xd"/>
Note On/CC</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>DMX channel active to this Note/CC.</source>
        <translation>Kanał DMX aktywny do tej nuty/CC.</translation>
    </message>
    <message>
        <source>Data type<byte value="xd"/>
Velocity/Value</source>
        <translation>Typ danych</translation>
    </message>
    <message>
        <source>DMX channel control value.<byte value="xd"/>
Velocity - incoming data,<byte value="xd"/>
Value - fixed from next list Data =.</source>
        <translation>Wartość sterująca kanału DMX.</translation>
    </message>
    <message>
        <source>Value for the DMX channel if fixed value used.</source>
        <translation>Wartość kanału DMX, jeśli używana jest wartość stała.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Set channel</source>
        <translation>Ustaw kanał</translation>
    </message>
    <message>
        <source>On click sets data of the channel from data boxes.<byte value="xd"/>
On double click adds channel to DMX list.</source>
        <translation>Po kliknięciu ustawia dane kanału z pól danych.</translation>
    </message>
    <message>
        <source>DMX Channels:</source>
        <translation>Kanały DMX:</translation>
    </message>
    <message>
        <source>DMX channels</source>
        <translation>Kanały DMX</translation>
    </message>
    <message>
        <source>One row per DMX channel; the Menu key opens its commands.</source>
        <translation>Jeden wiersz na kanał DMX; klawisz Menu otwiera jego polecenia.</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>Dodaj kanał</translation>
    </message>
    <message>
        <source>Delete channel</source>
        <translation>Usuń kanał</translation>
    </message>
    <message>
        <source>Clear current channel data</source>
        <translation>Wyczyść dane bieżącego kanału</translation>
    </message>
    <message>
        <source>Clear all channels data</source>
        <translation>Wyczyść dane wszystkich kanałów</translation>
    </message>
    <message>
        <source>Delete all channels</source>
        <translation>Usuń wszystkie kanały</translation>
    </message>
    <message>
        <source>Add 512 DMX channels</source>
        <translation>Dodaj 512 kanałów DMX</translation>
    </message>
    <message>
        <source>16 bit values calculator</source>
        <translation>Kalkulator wartości 16-bitowych</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Dodaj kanał</translation>
    </message>
    <message>
        <source>Delete channel (s)</source>
        <translation>Usuń kanał(y)</translation>
    </message>
    <message>
        <source>Clear channel(s) data</source>
        <translation>Wyczyść dane kanału(ów)</translation>
    </message>
    <message>
        <source>Copy &amp;&amp; paste selected</source>
        <translation>Kopiuj &amp;&amp; wklej zaznaczone</translation>
    </message>
    <message>
        <source>Show and edit full description</source>
        <translation>Pokaż i edytuj pełny opis</translation>
    </message>
    <message>
        <source>Open channels settings</source>
        <translation>Otwórz ustawienia kanałów</translation>
    </message>
    <message>
        <source>Save channels settings</source>
        <translation>Zapisz ustawienia kanałów</translation>
    </message>
    <message>
        <source>Read from device</source>
        <translation>Odczytaj z urządzenia</translation>
    </message>
    <message>
        <source>Write to device</source>
        <translation>Zapisz do urządzenia</translation>
    </message>
    <message>
        <source>Write changes to device</source>
        <translation>Zapisz zmiany do urządzenia</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Weryfikuj po zapisie</translation>
    </message>
    <message>
        <source>Clear device and write all</source>
        <translation>Wyczyść urządzenie i zapisz wszystko</translation>
    </message>
    <message>
        <source>Leave them</source>
        <translation>Pozostaw je</translation>
    </message>
    <message>
        <source>table</source>
        <comment>the channel table, as a sentence names it</comment>
        <translation>tabela</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Clear the device and write the whole table? The channels named are then gone from the device.</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 They are left alone.</source>
        <translation>%1 Pozostają bez zmian.</translation>
    </message>
    <message>
        <source>Adding DMX Channel</source>
        <translation>Dodawanie kanału DMX</translation>
    </message>
    <message>
        <source>DMX Channel doesn&apos;t exists<byte value="xd"/>
Add channel?</source>
        <translation>Kanał DMX nie istnieje</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Improper data format in current line! <byte value="xd"/>
Line: %1</source>
        <translation>Nieprawidłowy format danych w bieżącym wierszu! </translation>
    </message>
    <message>
        <source>Channel %1 received again: it replaces the earlier row.</source>
        <translation>Kanał %1 odebrany ponownie: zastępuje wcześniejszy wiersz.</translation>
    </message>
    <message>
        <source>Channel data after a cancel ignored: %1</source>
        <translation>Zignorowano dane kanału odebrane po anulowaniu: %1</translation>
    </message>
    <message>
        <source>Unreadable channel data: %1</source>
        <translation>Nieczytelne dane kanału: %1</translation>
    </message>
    <message>
        <source>No user data in device.</source>
        <translation>Brak danych użytkownika w urządzeniu.</translation>
    </message>
    <message>
        <source>Channel without note labels left out: %1</source>
        <translation>Pominięto kanał bez etykiet nut: %1</translation>
    </message>
    <message>
        <source>Set channel %1</source>
        <translation>Ustaw kanał %1</translation>
    </message>
    <message>
        <source>Error: Setting of non existing channel.</source>
        <translation>Błąd: ustawianie nieistniejącego kanału.</translation>
    </message>
    <message>
        <source>DMX Channel</source>
        <translation>Kanał DMX</translation>
    </message>
    <message>
        <source>New DMX channel</source>
        <translation>Nowy kanał DMX</translation>
    </message>
    <message>
        <source>Add channel %1</source>
        <translation>Dodaj kanał %1</translation>
    </message>
    <message>
        <source>Deleting DMX channel(s)</source>
        <translation>Usuwanie kanałów DMX</translation>
    </message>
    <message>
        <source>Delete channel(s)?</source>
        <translation>Usunąć kanał(y)?</translation>
    </message>
    <message>
        <source>Delete 1 channel</source>
        <translation>Usuń 1 kanał</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels</source>
        <translation>
            <numerusform>Usuń %n kanał</numerusform>
            <numerusform>Usuń %n kanały</numerusform>
            <numerusform>Usuń %n kanałów</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear data of 1 channel</source>
        <translation>Wyczyść dane 1 kanału</translation>
    </message>
    <message numerus="yes">
        <source>Clear data of %n channels</source>
        <translation>
            <numerusform>Wyczyść dane %n kanału</numerusform>
            <numerusform>Wyczyść dane %n kanałów</numerusform>
            <numerusform>Wyczyść dane %n kanałów</numerusform>
        </translation>
    </message>
    <message>
        <source>Channels list has already 512 DMX Channels!</source>
        <translation>Lista kanałów zawiera już 512 kanałów DMX!</translation>
    </message>
    <message>
        <source>Copying DMX Channel(s)</source>
        <translation>Kopiowanie kanałów DMX</translation>
    </message>
    <message>
        <source>Enter destination of channels copy.</source>
        <translation>Podaj miejsce docelowe kopii kanałów.</translation>
    </message>
    <message>
        <source>Available range: %1 - %2</source>
        <translation>Dostępny zakres: %1 - %2</translation>
    </message>
    <message>
        <source>Copy &amp; paste 1 channel</source>
        <translation>Kopiuj i wklej 1 kanał</translation>
    </message>
    <message numerus="yes">
        <source>Copy &amp; paste %n channels</source>
        <translation>
            <numerusform>Kopiuj i wklej %n kanał</numerusform>
            <numerusform>Kopiuj i wklej %n kanały</numerusform>
            <numerusform>Kopiuj i wklej %n kanałów</numerusform>
        </translation>
    </message>
    <message>
        <source>Maximum of 512 DMX Channels reached!</source>
        <translation>Osiągnięto maksimum 512 kanałów DMX!</translation>
    </message>
    <message>
        <source>Improper selection.</source>
        <translation>Nieprawidłowe zaznaczenie.</translation>
    </message>
    <message>
        <source>Edit description of channel %1</source>
        <translation>Edycja opisu kanału %1</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Otwórz %1</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled: %n channels received; the table you had is kept.</source>
        <translation>
            <numerusform>Anulowano: odebrano %n kanał; dotychczasowa tabela pozostaje.</numerusform>
            <numerusform>Anulowano: odebrano %n kanały; dotychczasowa tabela pozostaje.</numerusform>
            <numerusform>Anulowano: odebrano %n kanałów; dotychczasowa tabela pozostaje.</numerusform>
        </translation>
    </message>
    <message>
        <source>No data received.</source>
        <translation>Nie odebrano danych.</translation>
    </message>
    <message>
        <source>Patch fixture</source>
        <translation>Przypisz oprawę</translation>
    </message>
    <message>
        <source>Fixture definitions (*.qxf);;All files (*)</source>
        <translation>Definicje opraw (*.qxf);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Learn from</source>
        <translation>Naucz z</translation>
    </message>
    <message>
        <source>The controller&apos;s MIDI port that &quot;Learn&quot; listens to.</source>
        <translation>Port MIDI kontrolera, którego nasłuchuje „Naucz”.</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Naucz</translation>
    </message>
    <message>
        <source>Fills the edit row from a control moved or notes played on the &quot;Learn from&quot; port.</source>
        <translation>Wypełnia wiersz edycji na podstawie poruszonego regulatora lub nut zagranych na porcie „Naucz z”.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Sends the selected row&apos;s message to the device while the button is held.</source>
        <translation>Wysyła komunikat zaznaczonego wiersza do urządzenia, dopóki przycisk jest wciśnięty.</translation>
    </message>
    <message>
        <source>Patch fixture...</source>
        <translation>Przypisz oprawę...</translation>
    </message>
    <message>
        <source>There is no MIDI input port to learn from besides the device&apos;s.</source>
        <translation>Poza portem urządzenia nie ma portu wejściowego MIDI, z którego można się uczyć.</translation>
    </message>
    <message>
        <source>The MIDI input port %1 is not there.</source>
        <translation>Port wejściowy MIDI %1 jest niedostępny.</translation>
    </message>
    <message>
        <source>Move a control or play the notes...</source>
        <translation>Porusz regulatorem lub zagraj nuty...</translation>
    </message>
    <message>
        <source>Learning cancelled.</source>
        <translation>Nauka anulowana.</translation>
    </message>
    <message>
        <source>Patching fixture</source>
        <translation>Przypisywanie oprawy</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Overwrite?</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Patch fixture %1</source>
        <translation>Przypisz oprawę %1</translation>
    </message>
</context>
<context>
    <name>vantorel::DebugWindow</name>
    <message>
        <source>userDbgForm</source>
        <translation>userDbgForm</translation>
    </message>
    <message>
        <source>Timer:</source>
        <translation>Licznik czasu:</translation>
    </message>
    <message>
        <source>Events received</source>
        <translation>Odebrane zdarzenia</translation>
    </message>
    <message>
        <source>A double click clears the list.</source>
        <translation>Dwukrotne kliknięcie czyści listę.</translation>
    </message>
    <message>
        <source>Exchange log</source>
        <translation>Dziennik wymiany</translation>
    </message>
    <message>
        <source>Short message queue</source>
        <translation>Kolejka krótkich komunikatów</translation>
    </message>
    <message>
        <source>Bootloader information</source>
        <translation>Informacje o bootloaderze</translation>
    </message>
    <message>
        <source>Test data</source>
        <translation>Dane testowe</translation>
    </message>
    <message>
        <source>lblCnt</source>
        <translation>lblCnt</translation>
    </message>
</context>
<context>
    <name>vantorel::DescriptionDialog</name>
    <message>
        <source>DMX Channel description</source>
        <translation>Opis kanału DMX</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Note: Channel description will be stored in disk file only.</source>
        <translation>Uwaga: opis kanału zostanie zapisany tylko w pliku na dysku.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
</context>
<context>
    <name>vantorel::DeviceBackup</name>
    <message>
        <source>is not part of the format</source>
        <translation>nie należy do formatu</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>nie występuje</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>musi być obiektem</translation>
    </message>
    <message>
        <source>must be an array</source>
        <translation>musi być tablicą</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>musi być liczbą całkowitą od %1 do %2</translation>
    </message>
    <message>
        <source>must be a whole number from 0 to 4294967295</source>
        <translation>musi być liczbą całkowitą od 0 do 4294967295</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>musi mieć wartość true lub false</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>musi być tekstem</translation>
    </message>
    <message>
        <source>must be %1</source>
        <translation>musi mieć wartość %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> lub </translation>
    </message>
    <message numerus="yes">
        <source>must hold %n mode(s), as modes.count says</source>
        <translation>
            <numerusform>musi zawierać %n tryb, jak podaje modes.count</numerusform>
            <numerusform>musi zawierać %n tryby, jak podaje modes.count</numerusform>
            <numerusform>musi zawierać %n trybów, jak podaje modes.count</numerusform>
        </translation>
    </message>
    <message>
        <source>holds more than %1 channels</source>
        <translation>zawiera więcej niż %1 kanałów</translation>
    </message>
    <message>
        <source>is %1, which cannot reach the device: a channel in control mode &quot;Active&quot; has no constant value (it must be 0)</source>
        <translation>ma wartość %1, której nie można przekazać do urządzenia: kanał w trybie sterowania „Active” nie ma wartości stałej (musi być 0)</translation>
    </message>
    <message>
        <source>%1 appears more than once</source>
        <translation>%1 występuje więcej niż raz</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at byte %2)</source>
        <translation>to nie jest JSON (%1 w bajcie %2)</translation>
    </message>
    <message>
        <source>it holds no backup object</source>
        <translation>nie zawiera obiektu kopii zapasowej</translation>
    </message>
    <message>
        <source>it is not a device backup (&quot;format&quot; is not &quot;%1&quot;)</source>
        <translation>to nie jest kopia zapasowa urządzenia („format” to nie „%1”)</translation>
    </message>
    <message>
        <source>it was made by a newer version of the program (it has version %1; this program reads version %2)</source>
        <translation>została utworzona przez nowszą wersję programu (ma wersję %1; ten program odczytuje wersję %2)</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears twice in one object</source>
        <translation>klucz „%1” występuje dwukrotnie w jednym obiekcie</translation>
    </message>
    <message>
        <source>must be &quot;P&quot;, &quot;B&quot; or &quot;E&quot;</source>
        <translation>musi mieć wartość „P”, „B” lub „E”</translation>
    </message>
    <message>
        <source>must be left out for a VANTOREL Pro, which has no Basic/Eco modes</source>
        <translation>musi zostać pominięty dla VANTOREL Pro, który nie ma trybów Basic/Eco</translation>
    </message>
    <message>
        <source>is missing (a %1 has Basic/Eco modes)</source>
        <translation>nie występuje (%1 ma tryby Basic/Eco)</translation>
    </message>
    <message>
        <source>The file %1 is not a device backup: it is larger than %2 MiB.</source>
        <translation>Plik %1 nie jest kopią zapasową urządzenia: jest większy niż %2 MiB.</translation>
    </message>
    <message>
        <source>Cannot open the backup file %1: %2.</source>
        <translation>Nie można otworzyć pliku kopii zapasowej %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a valid device backup: %2.</source>
        <translation>Plik %1 nie jest prawidłową kopią zapasową urządzenia: %2.</translation>
    </message>
    <message>
        <source>Cannot save the backup file %1: %2</source>
        <translation>Nie można zapisać pliku kopii zapasowej %1: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>wł.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wył.</translation>
    </message>
    <message>
        <source>Use Note Off: %1 in the backup, %2 in the device.</source>
        <translation>Używaj Note Off: %1 w kopii zapasowej, %2 w urządzeniu.</translation>
    </message>
    <message>
        <source>CC Zero Value Offset: %1 in the backup, %2 in the device.</source>
        <translation>Przesunięcie wartości zerowej CC: %1 w kopii zapasowej, %2 w urządzeniu.</translation>
    </message>
    <message>
        <source>Modes count: %1 in the backup, %2 in the device.</source>
        <translation>Liczba trybów: %1 w kopii zapasowej, %2 w urządzeniu.</translation>
    </message>
    <message>
        <source>Mode slot %1: type %2, MIDI channel %3, note %4 in the backup; type %5, MIDI channel %6, note %7 in the device.</source>
        <translation>Pozycja trybu %1: typ %2, kanał MIDI %3, nuta %4 w kopii zapasowej; typ %5, kanał MIDI %6, nuta %7 w urządzeniu.</translation>
    </message>
</context>
<context>
    <name>vantorel::DeviceIdentity</name>
    <message>
        <source>No valid FW in device.</source>
        <translation>Brak prawidłowego firmware w urządzeniu.</translation>
    </message>
    <message>
        <source>!!! Device has newer FW version !!!</source>
        <translation>!!! Urządzenie ma nowszą wersję firmware !!!</translation>
    </message>
    <message>
        <source>Device has the same FW version.</source>
        <translation>Urządzenie ma tę samą wersję firmware.</translation>
    </message>
    <message>
        <source>Device has older FW version.</source>
        <translation>Urządzenie ma starszą wersję firmware.</translation>
    </message>
</context>
<context>
    <name>vantorel::DeviceLink</name>
    <message>
        <source>Timeout while waiting for device response.<byte value="xd"/>
Check connections and device mode.<byte value="xd"/>
Mode switch should be in position 8.</source>
        <translation>Przekroczono czas oczekiwania na odpowiedź urządzenia.</translation>
    </message>
    <message>
        <source>Timeout while waiting for device response.<byte value="xd"/>
Check connections and device mode.<byte value="xd"/>
 Expected state:<byte value="xd"/>
PWR LED blinks in 1 sec. period, DMX OUT LED blinks short after PWR LED state change.<byte value="xd"/>
 Procedure: <byte value="xd"/>
1. Plug in power while holding Mode Switch<byte value="xd"/>
2. Wait for device reset.<byte value="xd"/>
3. Release switch while DMX OUT LED and PWR LED start blink in 1 sec. period and MIDI IN LED blinks short.</source>
        <translation>Przekroczono czas oczekiwania na odpowiedź urządzenia.</translation>
    </message>
    <message>
        <source>The MIDI ports are back.</source>
        <translation>Porty MIDI są znów dostępne.</translation>
    </message>
    <message>
        <source>The MIDI input port &quot;%1&quot; is gone.</source>
        <translation>Port wejściowy MIDI „%1” zniknął.</translation>
    </message>
    <message>
        <source>The MIDI output port &quot;%1&quot; is gone.</source>
        <translation>Port wyjściowy MIDI „%1” zniknął.</translation>
    </message>
    <message>
        <source>The MIDI input port &quot;%1&quot; is back.</source>
        <translation>Port wejściowy MIDI „%1” jest znów dostępny.</translation>
    </message>
    <message>
        <source>The MIDI output port &quot;%1&quot; is back.</source>
        <translation>Port wyjściowy MIDI „%1” jest znów dostępny.</translation>
    </message>
    <message>
        <source>The MIDI input receives what the program sends (MIDI thru loop?).</source>
        <translation>Wejście MIDI odbiera to, co wysyła program (pętla MIDI thru?).</translation>
    </message>
    <message>
        <source>The program could not keep up with the MIDI input: some received data was lost.</source>
        <translation>Program nie nadążał z obsługą wejścia MIDI: część odebranych danych została utracona.</translation>
    </message>
    <message>
        <source>Reading Basic Modes...</source>
        <translation>Odczyt trybów Basic...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a device number.</source>
        <translation>&quot;%1&quot; nie jest numerem urządzenia.</translation>
    </message>
</context>
<context>
    <name>vantorel::DeviceOperation</name>
    <message>
        <source>Another device operation is still waiting for the device.</source>
        <translation>Inna operacja nadal czeka na urządzenie.</translation>
    </message>
</context>
<context>
    <name>vantorel::DeviceOperations</name>
    <message>
        <source>Cancelled: the command was sent; the device&apos;s answer was not awaited.</source>
        <translation>Anulowano: polecenie zostało wysłane; nie czekano na odpowiedź urządzenia.</translation>
    </message>
    <message>
        <source>Reseting device...</source>
        <translation>Resetowanie urządzenia...</translation>
    </message>
    <message>
        <source>No action performed.</source>
        <translation>Nie wykonano żadnej czynności.</translation>
    </message>
    <message>
        <source>Cleaning device...</source>
        <translation>Czyszczenie urządzenia...</translation>
    </message>
    <message>
        <source>Data in device cleaned.</source>
        <translation>Dane w urządzeniu wyczyszczone.</translation>
    </message>
    <message>
        <source>Cancelled: the device received the command to clear its data and may still be clearing it.</source>
        <translation>Anulowano: urządzenie otrzymało polecenie wyczyszczenia danych i może je nadal czyścić.</translation>
    </message>
    <message>
        <source>Reading data...</source>
        <translation>Odczyt danych...</translation>
    </message>
    <message>
        <source>Data ready.</source>
        <translation>Dane gotowe.</translation>
    </message>
    <message>
        <source>No data received.</source>
        <translation>Nie odebrano danych.</translation>
    </message>
    <message>
        <source>The CC zero value offset must lie between 0 and 10.</source>
        <translation>Przesunięcie wartości zerowej CC musi mieścić się w zakresie od 0 do 10.</translation>
    </message>
    <message>
        <source>Quarter frame (0xF1)</source>
        <translation>Quarter Frame (0xF1)</translation>
    </message>
    <message>
        <source>Song position (0xF2)</source>
        <translation>Song Position (0xF2)</translation>
    </message>
    <message>
        <source>Song Select (0xF3)</source>
        <translation>Song Select (0xF3)</translation>
    </message>
    <message>
        <source>Undef (0xF4)</source>
        <translation>Niezdef. (0xF4)</translation>
    </message>
    <message>
        <source>Undef (0xF5)</source>
        <translation>Niezdef. (0xF5)</translation>
    </message>
    <message>
        <source>Tune Request (0xF6)</source>
        <translation>Tune Request (0xF6)</translation>
    </message>
    <message>
        <source>No system common message is selected.</source>
        <translation>Nie wybrano komunikatu System Common.</translation>
    </message>
</context>
<context>
    <name>vantorel::DeviceOptionsPage</name>
    <message>
        <source>Use Note Off</source>
        <translation>Używaj Note Off</translation>
    </message>
    <message>
        <source>Set Note Off action in predefined Modes</source>
        <translation>Ustaw działanie Note Off w predefiniowanych trybach</translation>
    </message>
    <message>
        <source>CC Zero Value Offset</source>
        <translation>Przesunięcie wartości zerowej CC</translation>
    </message>
    <message>
        <source>Set CC Zero Value Offset</source>
        <translation>Ustaw przesunięcie wartości zerowej CC</translation>
    </message>
</context>
<context>
    <name>vantorel::DeviceScan</name>
    <message>
        <source>Looking for devices...</source>
        <translation>Wyszukiwanie urządzeń...</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled: %n device(s) found so far.</source>
        <translation>
            <numerusform>Anulowano: dotąd znaleziono %n urządzenie.</numerusform>
            <numerusform>Anulowano: dotąd znaleziono %n urządzenia.</numerusform>
            <numerusform>Anulowano: dotąd znaleziono %n urządzeń.</numerusform>
        </translation>
    </message>
    <message>
        <source>No device found.</source>
        <translation>Nie znaleziono urządzenia.</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) found.</source>
        <translation>
            <numerusform>Znaleziono %n urządzenie.</numerusform>
            <numerusform>Znaleziono %n urządzenia.</numerusform>
            <numerusform>Znaleziono %n urządzeń.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another operation is running: the device was not confirmed.</source>
        <translation>Trwa inna operacja: urządzenie nie zostało potwierdzone.</translation>
    </message>
    <message>
        <source>Device %1 could not be confirmed on %2 / %3: nothing was sent. %4</source>
        <translation>Nie udało się potwierdzić urządzenia %1 na %2 / %3: nic nie zostało wysłane. %4</translation>
    </message>
    <message>
        <source>A port is gone.</source>
        <translation>Port zniknął.</translation>
    </message>
    <message>
        <source>The ports could not be opened.</source>
        <translation>Nie udało się otworzyć portów.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Anulowano.</translation>
    </message>
    <message>
        <source>No answer with its ID came on that input.</source>
        <translation>Na to wejście nie nadeszła odpowiedź z jego identyfikatorem.</translation>
    </message>
    <message>
        <source>The MIDI input port &quot;%1&quot; could not be opened.</source>
        <translation>Nie udało się otworzyć portu wejściowego MIDI „%1”.</translation>
    </message>
    <message>
        <source>The MIDI output port &quot;%1&quot; could not be opened.</source>
        <translation>Nie udało się otworzyć portu wyjściowego MIDI „%1”.</translation>
    </message>
</context>
<context>
    <name>vantorel::FirmwarePage</name>
    <message>
        <source>Uploader:</source>
        <translation>Program wgrywający:</translation>
    </message>
    <message>
        <source>Firmware date:</source>
        <translation>Data firmware:</translation>
    </message>
    <message>
        <source>Firmware type:</source>
        <translation>Typ firmware:</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Urządzenie:</translation>
    </message>
    <message>
        <source>Bootloader date:</source>
        <translation>Data bootloadera:</translation>
    </message>
    <message>
        <source>Device ID:</source>
        <translation>ID urządzenia:</translation>
    </message>
    <message>
        <source>Device type:</source>
        <translation>Typ urządzenia:</translation>
    </message>
    <message>
        <source>Interface test passes OK:</source>
        <translation>Udane przebiegi testu interfejsu:</translation>
    </message>
    <message>
        <source>Last loaded: </source>
        <translation>Ostatnio wczytany: </translation>
    </message>
    <message>
        <source>Firmware upload mode</source>
        <translation>Tryb wgrywania firmware</translation>
    </message>
    <message>
        <source>Read BL &amp;&amp; FW version</source>
        <translation>Odczytaj wersję BL &amp;&amp; FW</translation>
    </message>
    <message>
        <source>Upload FW if newer</source>
        <translation>Wgraj FW, jeśli nowszy</translation>
    </message>
    <message>
        <source>Upload FW if same or older</source>
        <translation>Wgraj FW, jeśli taki sam lub starszy</translation>
    </message>
    <message>
        <source>Interface test</source>
        <translation>Test interfejsu</translation>
    </message>
    <message>
        <source>Restart device</source>
        <translation>Restartuj urządzenie</translation>
    </message>
    <message>
        <source>Load firmware file</source>
        <translation>Wczytaj plik firmware</translation>
    </message>
    <message>
        <source>Read device type</source>
        <translation>Odczytaj typ urządzenia</translation>
    </message>
    <message>
        <source>Enter Programming Mode for VANTOREL Basic/Eco</source>
        <translation>Wejdź w tryb programowania VANTOREL Basic/Eco</translation>
    </message>
    <message>
        <source>Set Device ID</source>
        <translation>Ustaw ID urządzenia</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>ID urządzenia</translation>
    </message>
    <message>
        <source>Send Common Msg -&gt;&gt;</source>
        <translation>Wyślij komunikat Common -&gt;&gt;</translation>
    </message>
    <message>
        <source>System common message</source>
        <translation>Komunikat System Common</translation>
    </message>
    <message>
        <source>Button2</source>
        <translation>Przycisk2</translation>
    </message>
    <message>
        <source>Reopen the MIDI ports</source>
        <translation>Otwórz ponownie porty MIDI</translation>
    </message>
    <message>
        <source>Waiting for device...</source>
        <translation>Oczekiwanie na urządzenie...</translation>
    </message>
    <message>
        <source>Firmware Files (*.bix);;All files (*.*)</source>
        <translation>Pliki firmware (*.bix);;Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <source>%1 in the file &quot;%2&quot;.</source>
        <translation>%1 w pliku „%2”.</translation>
    </message>
</context>
<context>
    <name>vantorel::FirmwareService</name>
    <message>
        <source>Reading Device ID...</source>
        <translation>Odczyt ID urządzenia...</translation>
    </message>
    <message>
        <source>Reading BL date...</source>
        <translation>Odczyt daty bootloadera...</translation>
    </message>
    <message>
        <source>Reading FW date...</source>
        <translation>Odczyt daty firmware...</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Bezczynny</translation>
    </message>
    <message>
        <source>The device ID must be a number from 0 to 4294967295.</source>
        <translation>ID urządzenia musi być liczbą od 0 do 4294967295.</translation>
    </message>
    <message>
        <source>Writing device number...</source>
        <translation>Zapisywanie numeru urządzenia...</translation>
    </message>
    <message>
        <source>Waiting for device...</source>
        <translation>Oczekiwanie na urządzenie...</translation>
    </message>
    <message>
        <source>The device did not confirm the upload.</source>
        <translation>Urządzenie nie potwierdziło wgrania.</translation>
    </message>
    <message>
        <source>Going to work...</source>
        <translation>Przejście do pracy...</translation>
    </message>
    <message>
        <source>Device reset...</source>
        <translation>Reset urządzenia...</translation>
    </message>
    <message>
        <source> Cheksum Error!!!</source>
        <translation> Błąd sumy kontrolnej!!!</translation>
    </message>
    <message>
        <source>        Upgrade ready...</source>
        <translation>        Aktualizacja gotowa...</translation>
    </message>
    <message>
        <source>Sending test data...</source>
        <translation>Wysyłanie danych testowych...</translation>
    </message>
    <message>
        <source>Receiving test data...</source>
        <translation>Odbieranie danych testowych...</translation>
    </message>
    <message>
        <source>Test data received...</source>
        <translation>Dane testowe odebrane...</translation>
    </message>
    <message>
        <source>Upload INIT...</source>
        <translation>Wgrywanie: INIT...</translation>
    </message>
    <message>
        <source>Upload check failed.</source>
        <translation>Kontrola wgrywania nie powiodła się.</translation>
    </message>
    <message>
        <source>Reseting device...</source>
        <translation>Resetowanie urządzenia...</translation>
    </message>
    <message>
        <source>Device restarted.</source>
        <translation>Urządzenie uruchomione ponownie.</translation>
    </message>
    <message>
        <source>The device stays in its bootloader until it is restarted (&quot;Restart device&quot;) or power-cycled.</source>
        <translation>Urządzenie pozostaje w bootloaderze do ponownego uruchomienia („Restartuj urządzenie”) lub wyłączenia i włączenia zasilania.</translation>
    </message>
    <message>
        <source>The device did not restart: switch its power off and on to leave the bootloader.</source>
        <translation>Urządzenie nie uruchomiło się ponownie: wyłącz i włącz jego zasilanie, aby opuścić bootloader.</translation>
    </message>
    <message>
        <source>Queue error 001</source>
        <translation>Błąd kolejki 001</translation>
    </message>
    <message>
        <source>No response from device, HS 1</source>
        <translation>Brak odpowiedzi urządzenia, HS 1</translation>
    </message>
    <message>
        <source>Cancelled: no firmware block was sent; the device waits in its bootloader.</source>
        <translation>Anulowano: nie wysłano żadnego bloku firmware; urządzenie czeka w bootloaderze.</translation>
    </message>
    <message>
        <source>No response from device, HS 2</source>
        <translation>Brak odpowiedzi urządzenia, HS 2</translation>
    </message>
    <message>
        <source>Init timeout</source>
        <translation>Przekroczono czas inicjalizacji</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled: %1 of %n firmware blocks sent; the device waits in its bootloader for a new upload.</source>
        <translation>
            <numerusform>Anulowano: wysłano %1 z %n bloku firmware; urządzenie czeka w bootloaderze na nowe wgranie.</numerusform>
            <numerusform>Anulowano: wysłano %1 z %n bloków firmware; urządzenie czeka w bootloaderze na nowe wgranie.</numerusform>
            <numerusform>Anulowano: wysłano %1 z %n bloków firmware; urządzenie czeka w bootloaderze na nowe wgranie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Block write timeout...</source>
        <translation>Przekroczono czas zapisu bloku...</translation>
    </message>
    <message>
        <source>Cancelled: the interface test was stopped before its test block was sent; the device waits in its bootloader.</source>
        <translation>Anulowano: test interfejsu przerwano przed wysłaniem bloku testowego; urządzenie czeka w bootloaderze.</translation>
    </message>
    <message>
        <source>Iface test init failed...</source>
        <translation>Inicjalizacja testu interfejsu nie powiodła się...</translation>
    </message>
    <message>
        <source>Queue error 0</source>
        <translation>Błąd kolejki 0</translation>
    </message>
    <message>
        <source>Queue error 1</source>
        <translation>Błąd kolejki 1</translation>
    </message>
    <message>
        <source>Iface test HS failed...</source>
        <translation>Handshake testu interfejsu nie powiódł się...</translation>
    </message>
    <message>
        <source>Queue error 2</source>
        <translation>Błąd kolejki 2</translation>
    </message>
    <message>
        <source>No data request from device...</source>
        <translation>Brak żądania danych od urządzenia...</translation>
    </message>
    <message>
        <source>Transfer test passed...</source>
        <translation>Test transmisji zaliczony...</translation>
    </message>
    <message>
        <source>Queue error 4</source>
        <translation>Błąd kolejki 4</translation>
    </message>
    <message>
        <source>No response - iface chk client confirm.</source>
        <translation>Brak odpowiedzi - potwierdzenie kontroli interfejsu.</translation>
    </message>
</context>
<context>
    <name>vantorel::FirmwareUpload</name>
    <message>
        <source>Transfering data block #%1</source>
        <translation>Przesyłanie bloku danych #%1</translation>
    </message>
    <message>
        <source>Reading data...</source>
        <translation>Odczyt danych...</translation>
    </message>
    <message>
        <source>No data received.</source>
        <translation>Nie odebrano danych.</translation>
    </message>
</context>
<context>
    <name>vantorel::FixtureFile</name>
    <message>
        <source>it declares entities, which fixture definitions never need.</source>
        <translation>deklaruje encje, których definicje opraw nigdy nie potrzebują.</translation>
    </message>
    <message>
        <source>it refers to the entity &quot;%1&quot;.</source>
        <translation>odwołuje się do encji „%1”.</translation>
    </message>
    <message>
        <source>%1 (line %2, column %3).</source>
        <translation>%1 (wiersz %2, kolumna %3).</translation>
    </message>
    <message>
        <source>it is not a fixture definition.</source>
        <translation>to nie jest definicja oprawy.</translation>
    </message>
    <message>
        <source>its elements nest deeper than %1 levels.</source>
        <translation>jego elementy są zagnieżdżone głębiej niż na %1 poziomach.</translation>
    </message>
    <message>
        <source>a channel of the mode &quot;%1&quot; has no number.</source>
        <translation>kanał trybu „%1” nie ma numeru.</translation>
    </message>
    <message>
        <source>it defines no mode.</source>
        <translation>nie definiuje żadnego trybu.</translation>
    </message>
    <message>
        <source>the mode &quot;%1&quot; uses the channel &quot;%2&quot;, which the file does not define.</source>
        <translation>tryb „%1” używa kanału „%2”, którego plik nie definiuje.</translation>
    </message>
    <message>
        <source>the mode &quot;%1&quot; numbers its channels wrongly (channel number %2).</source>
        <translation>tryb „%1” błędnie numeruje swoje kanały (numer kanału %2).</translation>
    </message>
    <message>
        <source>The fixture file %1 is refused: it is larger than %2.</source>
        <translation>Odrzucono plik oprawy %1: jest większy niż %2.</translation>
    </message>
    <message>
        <source>The fixture file %1 is refused: %2</source>
        <translation>Odrzucono plik oprawy %1: %2</translation>
    </message>
    <message>
        <source>Cannot open the fixture file %1: %2</source>
        <translation>Nie można otworzyć pliku oprawy %1: %2</translation>
    </message>
</context>
<context>
    <name>vantorel::FixturePatch</name>
    <message>
        <source>The start DMX channel must be from 1 to 512.</source>
        <translation>Początkowy kanał DMX musi mieć numer od 1 do 512.</translation>
    </message>
    <message>
        <source>The mode &quot;%1&quot; has no channels.</source>
        <translation>Tryb „%1” nie ma kanałów.</translation>
    </message>
    <message>
        <source>The mode &quot;%1&quot; has %2 channels: from DMX channel %3 on they would end on %4, past DMX channel 512.</source>
        <translation>Liczba kanałów trybu „%1” to %2: zaczynając od kanału DMX %3 skończyłyby się na %4, za kanałem DMX 512.</translation>
    </message>
    <message>
        <source>DMX channel %1 already has another description.</source>
        <translation>Kanał DMX %1 ma już inny opis.</translation>
    </message>
    <message>
        <source>DMX channels %1 already have another description.</source>
        <translation>Kanały DMX %1 mają już inny opis.</translation>
    </message>
    <message>
        <source>DMX channels %1 and %2 more already have another description.</source>
        <translation>Kanały DMX %1 oraz dalsze (%2) mają już inny opis.</translation>
    </message>
</context>
<context>
    <name>vantorel::Gesture</name>
    <message>
        <source>The gesture mixes %1 on MIDI channel %2 and %3 on MIDI channel %4: move one control at a time.</source>
        <translation>Gest łączy %1 na kanale MIDI %2 i %3 na kanale MIDI %4: poruszaj jednym elementem naraz.</translation>
    </message>
</context>
<context>
    <name>vantorel::InterfaceTest</name>
    <message>
        <source>Test Failed - length diff out/in: len: %1/%2 </source>
        <translation>Test nieudany - różnica długości wyj./wej.: dł.: %1/%2 </translation>
    </message>
</context>
<context>
    <name>vantorel::LanguageWindow</name>
    <message>
        <source>LangForm</source>
        <translation>LangForm</translation>
    </message>
    <message>
        <source>Button1</source>
        <translation>Przycisk1</translation>
    </message>
    <message>
        <source>Lists the texts of the main window.</source>
        <translation>Wypisuje teksty okna głównego.</translation>
    </message>
    <message>
        <source>Texts of the main window</source>
        <translation>Teksty okna głównego</translation>
    </message>
</context>
<context>
    <name>vantorel::LearnSession</name>
    <message>
        <source>Cannot open the MIDI input port %1.</source>
        <translation>Nie można otworzyć portu wejściowego MIDI %1.</translation>
    </message>
    <message>
        <source>Nothing received from %1.</source>
        <translation>Nic nie odebrano z %1.</translation>
    </message>
    <message>
        <source>Learned: %1.</source>
        <translation>Nauczono: %1.</translation>
    </message>
</context>
<context>
    <name>vantorel::MainWindow</name>
    <message>
        <source>A transfer is running. Stop it and close?</source>
        <translation>Trwa transmisja. Przerwać ją i zamknąć?</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Komunikaty</translation>
    </message>
    <message>
        <source>The table was not saved to a file.</source>
        <translation>Tabela nie została zapisana do pliku.</translation>
    </message>
    <message>
        <source>The table came from %1.</source>
        <translation>Tabela pochodzi z %1.</translation>
    </message>
    <message>
        <source>%1 (connected)</source>
        <translation>%1 (połączone)</translation>
    </message>
    <message>
        <source>Find device</source>
        <translation>Znajdź urządzenie</translation>
    </message>
    <message>
        <source>Devices found:</source>
        <translation>Znalezione urządzenia:</translation>
    </message>
    <message>
        <source>%1; Ver: %2</source>
        <translation>%1; wer.: %2</translation>
    </message>
    <message>
        <source>File and device operations</source>
        <translation>Operacje na plikach i urządzeniu</translation>
    </message>
    <message>
        <source>Back up device...</source>
        <translation>Kopia zapasowa urządzenia...</translation>
    </message>
    <message>
        <source>Restore device...</source>
        <translation>Przywróć urządzenie...</translation>
    </message>
    <message>
        <source>Clear data in device</source>
        <translation>Wyczyść dane w urządzeniu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>User Mode Tools</source>
        <translation>Narzędzia trybu użytkownika</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Język interfejsu</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Domyślny systemowy</translation>
    </message>
    <message>
        <source>MIDI Input</source>
        <translation>Wejście MIDI</translation>
    </message>
    <message>
        <source>MIDI Output</source>
        <translation>Wyjście MIDI</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stan:</translation>
    </message>
    <message>
        <source>Asks every pair of MIDI ports for a device.</source>
        <translation>Odpytuje każdą parę portów MIDI o urządzenie.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>User Mode channels settings</source>
        <translation>Ustawienia kanałów trybu użytkownika</translation>
    </message>
    <message>
        <source>Additional Settings</source>
        <translation>Ustawienia dodatkowe</translation>
    </message>
    <message>
        <source>Basic/Eco modes configuration</source>
        <translation>Konfiguracja trybów Basic/Eco</translation>
    </message>
    <message>
        <source>Firmware Upload</source>
        <translation>Wgrywanie firmware</translation>
    </message>
    <message>
        <source>No connection with device</source>
        <translation>Brak połączenia z urządzeniem</translation>
    </message>
    <message>
        <source>%1, ID %2: %3 / %4</source>
        <translation>%1, ID %2: %3 / %4</translation>
    </message>
    <message>
        <source>The device on %1 answered, but the output that reaches it is not known.</source>
        <translation>Urządzenie na %1 odpowiedziało, ale nie wiadomo, które wyjście do niego dociera.</translation>
    </message>
    <message>
        <source>Device chosen: %1</source>
        <translation>Wybrane urządzenie: %1</translation>
    </message>
    <message>
        <source>%1, ID %2</source>
        <translation>%1, ID %2</translation>
    </message>
    <message>
        <source>Waiting for device...</source>
        <translation>Oczekiwanie na urządzenie...</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Nieznany błąd.</translation>
    </message>
    <message>
        <source>The MIDI input port &quot;%1&quot; is gone.</source>
        <translation>Port wejściowy MIDI „%1” zniknął.</translation>
    </message>
    <message>
        <source>The MIDI output port &quot;%1&quot; is gone.</source>
        <translation>Port wyjściowy MIDI „%1” zniknął.</translation>
    </message>
    <message>
        <source>Back up device</source>
        <translation>Kopia zapasowa urządzenia</translation>
    </message>
    <message>
        <source>Device backup files (*.json);;All files (*)</source>
        <translation>Pliki kopii zapasowej urządzenia (*.json);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Restore device</source>
        <translation>Przywracanie urządzenia</translation>
    </message>
    <message>
        <source>Backup saved to %1.</source>
        <translation>Kopię zapasową zapisano w %1.</translation>
    </message>
    <message>
        <source>%1 Nothing was sent to the device.</source>
        <translation>%1 Nic nie zostało wysłane do urządzenia.</translation>
    </message>
    <message>
        <source>The backup is of a %1, the device is a %2.<byte value="xd"/>
Restore it anyway?</source>
        <translation>Kopia zapasowa pochodzi z %1, a urządzenie to %2.</translation>
    </message>
    <message>
        <source>The restore did not finish.</source>
        <translation>Przywracanie nie zostało ukończone.</translation>
    </message>
    <message>
        <source>The unsaved channel table of the last run cannot be restored (%1): %2. The file is left where it is.</source>
        <translation>Nie można przywrócić niezapisanej tabeli kanałów z poprzedniego uruchomienia (%1): %2. Plik pozostaje na swoim miejscu.</translation>
    </message>
    <message>
        <source>The unsaved channel table of the last run cannot be restored (%1): %2. The file is kept as %3.</source>
        <translation>Nie można przywrócić niezapisanej tabeli kanałów z poprzedniego uruchomienia (%1): %2. Plik zachowano jako %3.</translation>
    </message>
    <message numerus="yes">
        <source>The program did not end properly last time. Restore the unsaved channel table (%n channels, kept %1)?</source>
        <translation>
            <numerusform>Program nie zakończył się poprawnie ostatnim razem. Przywrócić niezapisaną tabelę kanałów (%n kanał, zachowano %1)?</numerusform>
            <numerusform>Program nie zakończył się poprawnie ostatnim razem. Przywrócić niezapisaną tabelę kanałów (%n kanały, zachowano %1)?</numerusform>
            <numerusform>Program nie zakończył się poprawnie ostatnim razem. Przywrócić niezapisaną tabelę kanałów (%n kanałów, zachowano %1)?</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved changes</source>
        <translation>Przywróć niezapisane zmiany</translation>
    </message>
</context>
<context>
    <name>vantorel::MessagePanel</name>
    <message>
        <source>Messages</source>
        <translation>Komunikaty</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Every status text and error of this run with its time; Ctrl+C copies.</source>
        <translation>Każdy komunikat stanu i błąd tego uruchomienia wraz z czasem; Ctrl+C kopiuje.</translation>
    </message>
</context>
<context>
    <name>vantorel::MidiPorts</name>
    <message>
        <source>MIDI Input Device %1 not installed </source>
        <translation>Urządzenie wejściowe MIDI %1 nie jest zainstalowane </translation>
    </message>
    <message>
        <source>The MIDI input could not be started.</source>
        <translation>Nie udało się uruchomić wejścia MIDI.</translation>
    </message>
    <message>
        <source>The MIDI output port is not open.</source>
        <translation>Port wyjściowy MIDI nie jest otwarty.</translation>
    </message>
    <message>
        <source>MIDI output Device %1 not installed</source>
        <translation>Urządzenie wyjściowe MIDI %1 nie jest zainstalowane</translation>
    </message>
    <message>
        <source>MIDI Output device not open</source>
        <translation>Urządzenie wyjściowe MIDI nie jest otwarte</translation>
    </message>
    <message>
        <source>The SysEx message is too long to send.</source>
        <translation>Komunikat SysEx jest zbyt długi, aby go wysłać.</translation>
    </message>
    <message>
        <source>There is no MIDI input port %1.</source>
        <translation>Nie ma portu wejściowego MIDI %1.</translation>
    </message>
    <message>
        <source>There is no MIDI output port %1.</source>
        <translation>Nie ma portu wyjściowego MIDI %1.</translation>
    </message>
    <message>
        <source>The MIDI input port %1 could not be opened.</source>
        <translation>Nie udało się otworzyć portu wejściowego MIDI %1.</translation>
    </message>
    <message>
        <source>The MIDI input port is closed.</source>
        <translation>Port wejściowy MIDI jest zamknięty.</translation>
    </message>
    <message>
        <source>The MIDI output port %1 could not be opened.</source>
        <translation>Nie udało się otworzyć portu wyjściowego MIDI %1.</translation>
    </message>
    <message>
        <source>There are no MIDI bytes to send.</source>
        <translation>Brak bajtów MIDI do wysłania.</translation>
    </message>
    <message>
        <source>The MIDI message of %1 bytes is longer than the JACK port takes (%2 bytes).</source>
        <translation>Komunikat MIDI o długości %1 bajtów jest dłuższy, niż przyjmuje port JACK (%2 bajtów).</translation>
    </message>
    <message>
        <source>This MIDI system is not available on this platform.</source>
        <translation>Ten system MIDI nie jest dostępny na tej platformie.</translation>
    </message>
    <message>
        <source>Cannot load the JACK library: %1</source>
        <translation>Nie można wczytać biblioteki JACK: %1</translation>
    </message>
    <message>
        <source>Cannot connect to the JACK server: is it running?</source>
        <translation>Nie można połączyć się z serwerem JACK: czy jest uruchomiony?</translation>
    </message>
    <message>
        <source>Cannot open the JACK client %1.</source>
        <translation>Nie można otworzyć klienta JACK %1.</translation>
    </message>
    <message>
        <source>Cannot activate the JACK client %1.</source>
        <translation>Nie można aktywować klienta JACK %1.</translation>
    </message>
    <message>
        <source>The JACK server has stopped.</source>
        <translation>Serwer JACK przestał działać.</translation>
    </message>
    <message>
        <source>The JACK server takes no more MIDI messages.</source>
        <translation>Serwer JACK nie przyjmuje więcej komunikatów MIDI.</translation>
    </message>
</context>
<context>
    <name>vantorel::ModesOperations</name>
    <message>
        <source>No data received.</source>
        <translation>Nie odebrano danych.</translation>
    </message>
    <message>
        <source>Writing data to device finished succesfully.</source>
        <translation>Zapisywanie danych do urządzenia zakończone pomyślnie.</translation>
    </message>
    <message>
        <source>Writing data to device failed</source>
        <translation>Zapisywanie danych do urządzenia nie powiodło się</translation>
    </message>
    <message>
        <source>Reading data...</source>
        <translation>Odczyt danych...</translation>
    </message>
    <message>
        <source>Data ready.</source>
        <translation>Dane gotowe.</translation>
    </message>
    <message>
        <source>Invalid Basic/Eco mode: slot %1, mode %2, MIDI channel %3, note %4.</source>
        <translation>Nieprawidłowy tryb Basic/Eco: pozycja %1, tryb %2, kanał MIDI %3, nuta %4.</translation>
    </message>
    <message>
        <source>Writing data to device...</source>
        <translation>Zapisywanie danych do urządzenia...</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled: %1 of %n mode(s) stored.</source>
        <translation>
            <numerusform>Anulowano: zapisano %1 z %n trybu.</numerusform>
            <numerusform>Anulowano: zapisano %1 z %n trybów.</numerusform>
            <numerusform>Anulowano: zapisano %1 z %n trybów.</numerusform>
        </translation>
    </message>
    <message>
        <source>The number of Basic/Eco modes must lie between 1 and %1.</source>
        <translation>Liczba trybów Basic/Eco musi mieścić się w zakresie od 1 do %1.</translation>
    </message>
</context>
<context>
    <name>vantorel::ModesPage</name>
    <message>
        <source>This page is for VANTOREL Basic/Eco device only and will be not visible when VANTOREL Pro will be indentified.</source>
        <translation>Ta strona dotyczy tylko urządzeń VANTOREL Basic/Eco i nie będzie widoczna po rozpoznaniu VANTOREL Pro.</translation>
    </message>
    <message>
        <source>Basic/Eco modes count:</source>
        <translation>Liczba trybów Basic/Eco:</translation>
    </message>
    <message>
        <source>Basic/Eco modes count</source>
        <translation>Liczba trybów Basic/Eco</translation>
    </message>
    <message>
        <source>Store number to device</source>
        <translation>Zapisz liczbę do urządzenia</translation>
    </message>
    <message>
        <source>Read Modes from device</source>
        <translation>Odczytaj tryby z urządzenia</translation>
    </message>
    <message>
        <source>Store Modes to device</source>
        <translation>Zapisz tryby do urządzenia</translation>
    </message>
    <message>
        <source>Reset Modes to default</source>
        <translation>Przywróć domyślne tryby</translation>
    </message>
    <message>
        <source>Restart device</source>
        <translation>Restartuj urządzenie</translation>
    </message>
    <message>
        <source>Basic/Eco Mode #%1</source>
        <translation>Tryb Basic/Eco nr %1</translation>
    </message>
    <message>
        <source>MIDI Channel #%1</source>
        <translation>Kanał MIDI nr %1</translation>
    </message>
    <message>
        <source>Note=xx #%1</source>
        <translation>Nuta=xx nr %1</translation>
    </message>
    <message>
        <source>Note of Basic/Eco Mode #%1</source>
        <translation>Nuta trybu Basic/Eco nr %1</translation>
    </message>
    <message>
        <source>Error while preparing dispaly data - component not found!</source>
        <translation>Błąd podczas przygotowywania danych do wyświetlenia - nie znaleziono komponentu!</translation>
    </message>
    <message>
        <source>Invalid Basic/Eco mode data received from device (slot %1: mode %2, MIDI channel %3, note %4).</source>
        <translation>Odebrano z urządzenia nieprawidłowe dane trybu Basic/Eco (pozycja %1: tryb %2, kanał MIDI %3, nuta %4).</translation>
    </message>
</context>
<context>
    <name>vantorel::OperationProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Stops the running operation (Esc).</source>
        <translation>Przerywa trwającą operację (Esc).</translation>
    </message>
    <message>
        <source>Progress of the operation</source>
        <translation>Postęp operacji</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 of %2 s</source>
        <translation>%1 z %2 s</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 z %3</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>wiersze</translation>
    </message>
    <message>
        <source>blocks</source>
        <translation>bloki</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>kroki</translation>
    </message>
    <message>
        <source>verifying rows</source>
        <translation>weryfikowane wiersze</translation>
    </message>
</context>
<context>
    <name>vantorel::PatchFixtureDialog</name>
    <message>
        <source>Patch fixture</source>
        <translation>Przypisz oprawę</translation>
    </message>
    <message>
        <source>DMX channel of the fixture&apos;s first channel</source>
        <translation>Kanał DMX pierwszego kanału oprawy</translation>
    </message>
    <message>
        <source>Begins the description of each of the fixture&apos;s channels</source>
        <translation>Początek opisu każdego z kanałów oprawy</translation>
    </message>
    <message>
        <source>MH 2</source>
        <comment>an example fixture name: moving head 2</comment>
        <translation>MH 2</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Start DMX channel</source>
        <translation>Początkowy kanał DMX</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>%1 (1 channel)</source>
        <translation>%1 (1 kanał)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n channels)</source>
        <translation>
            <numerusform>%1 (%n kanał)</numerusform>
            <numerusform>%1 (%n kanały)</numerusform>
            <numerusform>%1 (%n kanałów)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantorel::PortListBox</name>
    <message>
        <source>%1 (gone)</source>
        <translation>%1 (odłączony)</translation>
    </message>
</context>
<context>
    <name>vantorel::Reply</name>
    <message>
        <source>Device cleaned.</source>
        <translation>Urządzenie wyczyszczone.</translation>
    </message>
    <message>
        <source>Sending next block.</source>
        <translation>Wysyłanie następnego bloku.</translation>
    </message>
    <message>
        <source>Reset device done.</source>
        <translation>Reset urządzenia wykonany.</translation>
    </message>
    <message>
        <source>Device Number Written.</source>
        <translation>Numer urządzenia zapisany.</translation>
    </message>
    <message>
        <source>Writing Basic modes...</source>
        <translation>Zapisywanie trybów Basic...</translation>
    </message>
    <message>
        <source>Reset Basic modes done.</source>
        <translation>Reset trybów Basic wykonany.</translation>
    </message>
    <message>
        <source>Writing Basic modes count...</source>
        <translation>Zapisywanie liczby trybów Basic...</translation>
    </message>
    <message>
        <source>Note Off activity changed.</source>
        <translation>Zmieniono działanie Note Off.</translation>
    </message>
    <message>
        <source>Programming mode entered.</source>
        <translation>Wejście w tryb programowania.</translation>
    </message>
    <message>
        <source>Zero Value Offset changed.</source>
        <translation>Zmieniono przesunięcie wartości zerowej.</translation>
    </message>
</context>
<context>
    <name>vantorel::RowColoursDialog</name>
    <message>
        <source>Note On Actve line</source>
        <translation>Wiersz Note On Active</translation>
    </message>
    <message>
        <source>Color of the line where DMX Channel is activated on Note On message using NO Velocity value.</source>
        <translation>Kolor wiersza, w którym kanał DMX jest aktywowany komunikatem Note On z wartością Velocity nuty.</translation>
    </message>
    <message>
        <source>Note On Value line</source>
        <translation>Wiersz Note On Value</translation>
    </message>
    <message>
        <source>Color of the line where DMX Channel is activated on Note On message using fixed Velocity value.</source>
        <translation>Kolor wiersza, w którym kanał DMX jest aktywowany komunikatem Note On ze stałą wartością Velocity.</translation>
    </message>
    <message>
        <source>Control Change Active line</source>
        <translation>Wiersz Control Change Active</translation>
    </message>
    <message>
        <source>Color of the line where DMX Channel is activated on Control Change message using CC value.</source>
        <translation>Kolor wiersza, w którym kanał DMX jest aktywowany komunikatem Control Change z wartością CC.</translation>
    </message>
    <message>
        <source>Control Change Value line</source>
        <translation>Wiersz Control Change Value</translation>
    </message>
    <message>
        <source>Color of the line where DMX Channel is activated on Control Change message using constant value.</source>
        <translation>Kolor wiersza, w którym kanał DMX jest aktywowany komunikatem Control Change ze stałą wartością.</translation>
    </message>
    <message>
        <source>DMX Always Value line</source>
        <translation>Wiersz DMX zawsze Value</translation>
    </message>
    <message>
        <source>Color of the line where DMX Channel is always switched on.</source>
        <translation>Kolor wiersza, w którym kanał DMX jest zawsze włączony.</translation>
    </message>
    <message>
        <source>DMXUser Settings</source>
        <translation>Ustawienia DMXUser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vantorel::ScreenshotTour</name>
    <message>
        <source>the window has no pages</source>
        <translation>okno nie ma stron</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>nie można utworzyć %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>nie można zapisać %1</translation>
    </message>
</context>
<context>
    <name>vantorel::SettingsFiles</name>
    <message>
        <source>Nie udało się utworzyć katalogu ustawień programu: %1</source>
        <translation>Nie udało się utworzyć katalogu ustawień programu: %1</translation>
    </message>
</context>
<context>
    <name>vantorel::StatusLine</name>
    <message>
        <source>... (details)</source>
        <translation>... (szczegóły)</translation>
    </message>
</context>
<context>
    <name>vantorel::UploadDecision</name>
    <message>
        <source>Firmware type and device type mismatch!<byte value="xd"/>
Possible reasons:<byte value="xd"/>
1. Firmware not loaded.<byte value="xd"/>
2. Device not identified.<byte value="xd"/>
 Upload not allowed.</source>
        <translation>Typ firmware nie pasuje do typu urządzenia!</translation>
    </message>
</context>
<context>
    <name>vantorel::main</name>
    <message>
        <source>No MIDI ports available in this system or another general MIDI error.<byte value="xd"/>
<byte value="xd"/>
Application will be shut down.</source>
        <translation>Brak portów MIDI w tym systemie lub inny ogólny błąd MIDI.</translation>
    </message>
</context>
<context>
    <name>vantorelctl</name>
    <message>
        <source>&apos;backup&apos; takes one argument: the backup file to write.</source>
        <translation>&apos;backup&apos; przyjmuje jeden argument: plik kopii zapasowej do zapisania.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Backup saved to %1.</source>
        <translation>Kopię zapasową zapisano w %1.</translation>
    </message>
    <message>
        <source>&apos;restore&apos; takes one argument: the backup file.</source>
        <translation>&apos;restore&apos; przyjmuje jeden argument: plik kopii zapasowej.</translation>
    </message>
    <message>
        <source>Use --force to restore it to this device anyway.</source>
        <translation>Użyj --force, aby mimo to przywrócić ją na tym urządzeniu.</translation>
    </message>
    <message>
        <source>The restore did not finish.</source>
        <translation>Przywracanie nie zostało ukończone.</translation>
    </message>
    <message>
        <source>&apos;channels read&apos; takes at most one argument: the file to write.</source>
        <translation>&apos;channels read&apos; przyjmuje najwyżej jeden argument: plik do zapisania.</translation>
    </message>
    <message>
        <source>Received channel %1.</source>
        <translation>Odebrano kanał %1.</translation>
    </message>
    <message>
        <source>Channel %1 received again: it replaces the earlier one.</source>
        <translation>Kanał %1 odebrany ponownie: zastępuje wcześniejszy.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>The device&apos;s channel table changed or was cut short while it was read: nothing was written.</source>
        <translation>Tabela kanałów urządzenia zmieniła się lub została ucięta podczas odczytu: nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>No user data in device.</source>
        <translation>Brak danych użytkownika w urządzeniu.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) received.</source>
        <translation>
            <numerusform>Odebrano %n kanał.</numerusform>
            <numerusform>Odebrano %n kanały.</numerusform>
            <numerusform>Odebrano %n kanałów.</numerusform>
        </translation>
    </message>
    <message>
        <source>The channel table was not read completely: nothing was written.</source>
        <translation>Tabela kanałów nie została odczytana w całości: nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Channels may have been lost on the MIDI input: nothing was written.</source>
        <translation>Na wejściu MIDI mogły zostać utracone kanały: nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>No channels to write: nothing was written.</source>
        <translation>Brak kanałów do zapisania: nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Cannot write to standard output.</source>
        <translation>Nie można pisać na standardowe wyjście.</translation>
    </message>
    <message>
        <source>Nothing to write...</source>
        <translation>Nic do zapisania...</translation>
    </message>
    <message>
        <source>Nothing was sent to the device.</source>
        <translation>Nic nie zostało wysłane do urządzenia.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one argument: the channel settings file (*.csv).</source>
        <translation>&apos;%1&apos; przyjmuje jeden argument: plik ustawień kanałów (*.csv).</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n channel(s) differed from the device and were written.</source>
        <translation>
            <numerusform>%1 z %n kanału różnił się od urządzenia i został zapisany.</numerusform>
            <numerusform>%1 z %n kanałów różniło się od urządzenia i zostało zapisanych.</numerusform>
            <numerusform>%1 z %n kanałów różniło się od urządzenia i zostało zapisanych.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel %1 written (%2 of %3).</source>
        <translation>Zapisano kanał %1 (%2 z %3).</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n channel(s) written.</source>
        <translation>
            <numerusform>Zapisano %1 z %n kanału.</numerusform>
            <numerusform>Zapisano %1 z %n kanałów.</numerusform>
            <numerusform>Zapisano %1 z %n kanałów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Try &apos;vantorelctl --help&apos;.</source>
        <translation>Spróbuj &apos;vantorelctl --help&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no file.</source>
        <translation>&apos;%1&apos; nie wskazuje pliku.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Folder %1 nie istnieje.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 jest folderem.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no arguments.</source>
        <translation>&apos;%1&apos; nie przyjmuje argumentów.</translation>
    </message>
    <message>
        <source>--note-off takes &apos;on&apos; or &apos;off&apos;, not &apos;%1&apos;.</source>
        <translation>--note-off przyjmuje &apos;on&apos; lub &apos;off&apos;, a nie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--zero-offset takes a number from 0 to 10, not &apos;%1&apos;.</source>
        <translation>--zero-offset przyjmuje liczbę od 0 do 10, a nie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>&apos;raw&apos; needs a command letter.</source>
        <translation>&apos;raw&apos; wymaga litery polecenia.</translation>
    </message>
    <message>
        <source>&apos;raw&apos; takes a letter and at most one payload.</source>
        <translation>&apos;raw&apos; przyjmuje literę i najwyżej jeden ładunek danych.</translation>
    </message>
    <message>
        <source>The command letter must be one printable ASCII character, not &apos;%1&apos;.</source>
        <translation>Litera polecenia musi być jednym drukowalnym znakiem ASCII, a nie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The payload must be pairs of hex digits, not &apos;%1&apos;.</source>
        <translation>Ładunek danych musi składać się z par cyfr szesnastkowych, a nie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>No data received.</source>
        <translation>Nie odebrano danych.</translation>
    </message>
    <message>
        <source>--json belongs to reading the options, not to setting them.</source>
        <translation>--json dotyczy odczytu opcji, a nie ich ustawiania.</translation>
    </message>
    <message>
        <source>&apos;learn&apos; takes no arguments.</source>
        <translation>&apos;learn&apos; nie przyjmuje argumentów.</translation>
    </message>
    <message>
        <source>&apos;learn&apos; needs --from PORT: the MIDI input port of the controller.</source>
        <translation>&apos;learn&apos; wymaga --from PORT: portu wejściowego MIDI kontrolera.</translation>
    </message>
    <message>
        <source>No MIDI input port is named &apos;%1&apos;.</source>
        <translation>Żaden port wejściowy MIDI nie nazywa się &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Move a control or play the notes...</source>
        <translation>Porusz regulatorem lub zagraj nuty...</translation>
    </message>
    <message>
        <source>--off-after takes milliseconds from 0 to %1.</source>
        <translation>--off-after przyjmuje liczbę milisekund od 0 do %1.</translation>
    </message>
    <message>
        <source>Sent %1</source>
        <translation>Wysłano %1</translation>
    </message>
    <message>
        <source>&apos;channels patch&apos; takes a channel settings file and a fixture definition file.</source>
        <translation>&apos;channels patch&apos; przyjmuje plik ustawień kanałów i plik definicji oprawy.</translation>
    </message>
    <message>
        <source>&apos;channels patch&apos; needs --start N and --name TEXT.</source>
        <translation>&apos;channels patch&apos; wymaga --start N i --name TEXT.</translation>
    </message>
    <message>
        <source>--start takes a DMX channel from 1 to 512.</source>
        <translation>--start przyjmuje kanał DMX od 1 do 512.</translation>
    </message>
    <message>
        <source>Choose one of the fixture&apos;s modes with --mode: %1.</source>
        <translation>Wybierz jeden z trybów oprawy za pomocą --mode: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1, mode &quot;%2&quot;: DMX channels %3 to %4 described, %n row(s) added; %5 written.</source>
        <translation>
            <numerusform>%1, tryb „%2”: opisano kanały DMX od %3 do %4, dodano %n wiersz; zapisano %5.</numerusform>
            <numerusform>%1, tryb „%2”: opisano kanały DMX od %3 do %4, dodano %n wiersze; zapisano %5.</numerusform>
            <numerusform>%1, tryb „%2”: opisano kanały DMX od %3 do %4, dodano %n wierszy; zapisano %5.</numerusform>
        </translation>
    </message>
    <message>
        <source>--from belongs to the command &apos;learn&apos;.</source>
        <translation>--from należy do polecenia &apos;learn&apos;.</translation>
    </message>
    <message>
        <source>--off-after belongs to the command &apos;send&apos;.</source>
        <translation>--off-after należy do polecenia &apos;send&apos;.</translation>
    </message>
    <message>
        <source>--start and --name belong to the command &apos;channels patch&apos;.</source>
        <translation>--start i --name należą do polecenia &apos;channels patch&apos;.</translation>
    </message>
    <message>
        <source>&apos;firmware info&apos; takes one argument: the firmware file (*.bix).</source>
        <translation>&apos;firmware info&apos; przyjmuje jeden argument: plik firmware (*.bix).</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <source>Start the device&apos;s bootloader with its mode switch; waiting for it...</source>
        <translation>Uruchom bootloader urządzenia przełącznikiem trybu; oczekiwanie...</translation>
    </message>
    <message>
        <source>Device ID: %1</source>
        <translation>ID urządzenia: %1</translation>
    </message>
    <message>
        <source>Bootloader date: %1</source>
        <translation>Data bootloadera: %1</translation>
    </message>
    <message>
        <source>Device firmware date: %1</source>
        <translation>Data firmware urządzenia: %1</translation>
    </message>
    <message>
        <source>Cancelled: the device now waits in its bootloader; nothing was changed in it. Run the command again, or switch the device off and on.</source>
        <translation>Anulowano: urządzenie czeka teraz w bootloaderze; nic w nim nie zmieniono. Uruchom polecenie ponownie albo wyłącz i włącz urządzenie.</translation>
    </message>
    <message>
        <source>&apos;firmware upload&apos; takes one argument: the firmware file (*.bix).</source>
        <translation>&apos;firmware upload&apos; przyjmuje jeden argument: plik firmware (*.bix).</translation>
    </message>
    <message>
        <source>--mode takes &apos;newer&apos; or &apos;same-or-older&apos;, not &apos;%1&apos;.</source>
        <translation>--mode przyjmuje &apos;newer&apos; lub &apos;same-or-older&apos;, a nie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The upload stalled.</source>
        <translation>Wgrywanie utknęło.</translation>
    </message>
    <message>
        <source>Nothing uploaded: %1</source>
        <translation>Nic nie wgrano: %1</translation>
    </message>
    <message>
        <source>The device did not report the end of the upload.</source>
        <translation>Urządzenie nie zgłosiło zakończenia wgrywania.</translation>
    </message>
    <message>
        <source>The bootloader did not report Idle.</source>
        <translation>Bootloader nie zgłosił stanu bezczynności.</translation>
    </message>
    <message>
        <source>The interface test did not end.</source>
        <translation>Test interfejsu nie zakończył się.</translation>
    </message>
    <message>
        <source>The device did not echo the test block.</source>
        <translation>Urządzenie nie odesłało bloku testowego.</translation>
    </message>
    <message>
        <source>&apos;set-id&apos; takes one argument: the device ID.</source>
        <translation>&apos;set-id&apos; przyjmuje jeden argument: ID urządzenia.</translation>
    </message>
    <message>
        <source>The device ID must be a number from 0 to 4294967295, not &apos;%1&apos;.</source>
        <translation>ID urządzenia musi być liczbą od 0 do 4294967295, a nie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Usage: vantorelctl [OPTIONS] COMMAND [ARGUMENTS]

Talks to a VANTOREL MIDI-to-DMX512 converter over MIDI.

Commands:
  ports                         list the MIDI input and output ports
  scan                          find every device on every port pair at once (at most
                                2.5 s; a device answering within 2000 ms is found);
                                one line per device: input port, output port,
                                device type, device ID, firmware date (tab-separated)
  identify                      read the device type, ID and build dates
  restart                       restart the device
  clear                         clear the user data (channel table) in the device
  options                       read the Note Off setting and the CC zero value offset
  options --note-off on|off     set whether the predefined modes act on Note Off
  options --zero-offset N       set the CC zero value offset (0..10)
  raw LETTER [PAYLOAD-HEX]      send one command and print every message received
                                until 2 s pass without input
  firmware info FILE            decrypt a firmware file (*.bix) and print its type,
                                build date, image size and image SHA-256 (no device)
  firmware upload FILE [--mode newer|same-or-older]
                                put a Basic or Eco device into its bootloader (a Pro
                                is put there with its mode switch), wait for the
                                bootloader and upload the file if the device&apos;s
                                firmware is older (default) or the same or newer
  iface-test                    run one interface test with the bootloader
  set-id N                      write the device ID N (0..4294967295) and wait for
                                the device to restart
  channels read [FILE] [--twice]
                                read the User Mode channel table from the device and
                                write it as a channel settings file (CSV) to FILE or
                                to standard output; the read ends when the device
                                falls silent: 8 times its mean gap between channels
                                (0.1 to 2 s) after the last one; --twice reads it
                                until two reads agree (at most 3) and writes nothing
                                otherwise
  channels write FILE [--verify]
                                write the channels of a channel settings file (CSV)
                                to the device, one acknowledged channel at a time;
                                --verify reads them back and compares them with
                                what was sent (differences on standard output);
                                channels that differ are written again, up to 3
                                times, before a difference is reported
  channels write FILE --changes-only [--prune]
                                read the device&apos;s channels, write only those that
                                differ from the file, then verify as --verify does;
                                channels the device holds that the file lacks are
                                named and left alone, unless --prune clears the
                                device and writes the whole file
  channels diff FILE            compare a channel settings file with the device&apos;s
                                channels (descriptions are not compared); the
                                differences go to standard output
  channels patch FILE FIXTURE --start N --name TEXT [--mode NAME] [--force]
                                describe the channels of a fixture definition file
                                (*.qxf) in a channel settings file: the mode&apos;s
                                channels from DMX channel N on get the descriptions
                                &quot;TEXT &lt;channel name&gt;&quot;, missing rows are added with
                                the default data (no device); --mode chooses the
                                fixture&apos;s mode (needed when it has several);
                                --force overwrites other descriptions
  learn --from PORT             listen to a controller&apos;s MIDI input port and print
                                the row its gesture programs (MIDI channel, Note On
                                or Control Change, lowest and highest number, data
                                type Velocity when more than two values came); the
                                gesture ends 1.5 s after its last message, or 10 s
                                without one
  send note|cc CHANNEL NUMBER VALUE [--off-after MS]
                                send a Note On (or a Control Change) to the device;
                                --off-after sends the Note Off (or the controller
                                at 0) MS milliseconds later
  backup FILE                   save everything the device holds (identity, options,
                                Basic/Eco modes, channel table) to a backup file (JSON);
                                the channel table is read until two reads agree (at
                                most 3), otherwise nothing is saved
  restore FILE [--verify] [--force]
                                check the whole backup file, then write its options,
                                modes and channels to the device (the device&apos;s
                                channels are cleared first); --verify reads everything
                                back and compares; --force restores to a device of
                                another edition than the backup&apos;s
  modes read                    print the Basic/Eco modes stored in the device and
                                their number
  modes write SLOT:TYPE:CHANNEL:NOTE ...
                                store modes (slot 1..5, mode type 0..15, MIDI channel
                                1..16, note 0..127); a channel or note that the mode
                                type does not use is sent as channel 1 or note 0
  modes count N                 set the number of Basic/Eco modes (1..5)
  modes reset                   reset the device&apos;s Basic/Eco modes to its defaults

Options:
  --backend auto|alsa|jack      MIDI system (default auto: ALSA when its sequencer
                                opens, otherwise a running JACK server)
  --emulator                    add the built-in emulated device (&quot;VANTOREL Emulator&quot;)
                                in front of the port lists
  --emulator-type P|B|E         edition of the emulated device (default P)
  --in NAME                     MIDI input port, exact name (default: the first)
  --out NAME                    MIDI output port, exact name (default: the first)
  --device-id N                 use the port pair of the device with ID N (found by
                                a scan and confirmed by one more identification on
                                that pair; instead of --in and --out)
  --json                        print the result as one JSON document (ports, scan,
                                identify, options, modes read, firmware info,
                                learn); a failure prints {&quot;error&quot;: &quot;...&quot;, &quot;exit&quot;: N}
  --verbose                     after each device operation, print on standard error
                                how many messages were sent, retried and lost
  -h, --help                    show this help
  -v, --version                 show the version

Status texts and device reports go to standard error; when it is a terminal,
long operations also draw a progress bar there. Ctrl+C (SIGINT) or SIGTERM ends
an operation at the next whole message, reports what the device holds and
closes the ports.
Exit status: 0 success, 1 no answer from the device, 2 usage error or bad argument,
3 file or data error, 4 the device reported a failure, the test failed or nothing
was uploaded, 5 the device holds other data than the file or the write,
130 interrupted.
</source>
        <translation>Użycie: vantorelctl [OPCJE] POLECENIE [ARGUMENTY]

Komunikuje się przez MIDI z konwerterem MIDI-DMX512 VANTOREL.

Polecenia:
  ports                         wypisz porty wejściowe i wyjściowe MIDI
  scan                          znajdź naraz każde urządzenie na każdej parze portów
                                (najwyżej 2,5 s; urządzenie odpowiadające w ciągu
                                2000 ms zostanie znalezione); jeden wiersz na
                                urządzenie: port wejściowy, port wyjściowy, typ
                                urządzenia, ID urządzenia, data firmware
                                (oddzielone tabulatorami)
  identify                      odczytaj typ urządzenia, ID i daty kompilacji
  restart                       uruchom ponownie urządzenie
  clear                         wyczyść dane użytkownika (tabelę kanałów) w urządzeniu
  options                       odczytaj ustawienie Note Off i przesunięcie wartości
                                zerowej CC
  options --note-off on|off     ustaw, czy predefiniowane tryby reagują na Note Off
  options --zero-offset N       ustaw przesunięcie wartości zerowej CC (0..10)
  raw LETTER [PAYLOAD-HEX]      wyślij jedno polecenie i wypisuj każdy odebrany
                                komunikat, dopóki przez 2 s nic nie nadejdzie
  firmware info FILE            odszyfruj plik firmware (*.bix) i wypisz jego typ,
                                datę kompilacji, rozmiar obrazu i SHA-256 obrazu
                                (bez urządzenia)
  firmware upload FILE [--mode newer|same-or-older]
                                wprowadź urządzenie Basic lub Eco w bootloader
                                (urządzenie Pro wprowadza się przełącznikiem trybu),
                                zaczekaj na bootloader i wgraj plik, jeśli firmware
                                urządzenia jest starszy (domyślnie) albo taki sam
                                lub nowszy
  iface-test                    wykonaj jeden test interfejsu z bootloaderem
  set-id N                      zapisz ID urządzenia N (0..4294967295) i zaczekaj
                                na ponowne uruchomienie urządzenia
  channels read [FILE] [--twice]
                                odczytaj z urządzenia tabelę kanałów trybu
                                użytkownika (User Mode) i zapisz ją jako plik
                                ustawień kanałów (CSV) do FILE lub na standardowe
                                wyjście; odczyt kończy się, gdy urządzenie ucichnie:
                                po 8-krotności jego średniego odstępu między
                                kanałami (0,1 do 2 s) od ostatniego kanału; --twice
                                czyta tabelę, aż dwa odczyty będą zgodne (najwyżej
                                3), a w przeciwnym razie nic nie zapisuje
  channels write FILE [--verify]
                                zapisz kanały z pliku ustawień kanałów (CSV) do
                                urządzenia, po jednym potwierdzonym kanale naraz;
                                --verify odczytuje je z powrotem i porównuje z tym,
                                co wysłano (różnice na standardowe wyjście); kanały,
                                które się różnią, są zapisywane ponownie, do 3 razy,
                                zanim różnica zostanie zgłoszona
  channels write FILE --changes-only [--prune]
                                odczytaj kanały urządzenia, zapisz tylko te, które
                                różnią się od pliku, a potem zweryfikuj jak --verify;
                                kanały, które są w urządzeniu, a których brak
                                w pliku, zostają wymienione i pozostawione bez zmian,
                                chyba że --prune wyczyści urządzenie i zapisze cały
                                plik
  channels diff FILE            porównaj plik ustawień kanałów z kanałami urządzenia
                                (opisy nie są porównywane); różnice trafiają na
                                standardowe wyjście
  channels patch FILE FIXTURE --start N --name TEXT [--mode NAME] [--force]
                                opisz kanały z pliku definicji oprawy (*.qxf)
                                w pliku ustawień kanałów: kanały trybu od kanału
                                DMX N otrzymują opisy &quot;TEXT &lt;nazwa kanału&gt;&quot;,
                                brakujące wiersze są dodawane z danymi domyślnymi
                                (bez urządzenia); --mode wybiera tryb oprawy
                                (wymagane, gdy ma ich kilka); --force zastępuje
                                inne opisy
  learn --from PORT             nasłuchuj portu wejściowego MIDI kontrolera i wypisz
                                wiersz, który programuje jego gest (kanał MIDI,
                                Note On lub Control Change, najniższy i najwyższy
                                numer, typ danych Velocity, gdy nadeszły więcej niż
                                dwie wartości); gest kończy się 1,5 s po ostatnim
                                komunikacie albo po 10 s bez żadnego
  send note|cc CHANNEL NUMBER VALUE [--off-after MS]
                                wyślij do urządzenia Note On (lub Control Change);
                                --off-after wysyła Note Off (lub kontroler z
                                wartością 0) MS milisekund później
  backup FILE                   zapisz wszystko, co zawiera urządzenie (tożsamość,
                                opcje, tryby Basic/Eco, tabelę kanałów) do pliku
                                kopii zapasowej (JSON); tabela kanałów jest
                                odczytywana, aż dwa odczyty będą zgodne (najwyżej
                                3), w przeciwnym razie nic nie zostaje zapisane
  restore FILE [--verify] [--force]
                                sprawdź cały plik kopii zapasowej, a potem zapisz
                                jego opcje, tryby i kanały do urządzenia (kanały
                                urządzenia są najpierw czyszczone); --verify
                                odczytuje wszystko z powrotem i porównuje; --force
                                przywraca do urządzenia innej wersji niż ta z kopii
  modes read                    wypisz tryby Basic/Eco zapisane w urządzeniu i ich
                                liczbę
  modes write SLOT:TYPE:CHANNEL:NOTE ...
                                zapisz tryby (pozycja 1..5, typ trybu 0..15, kanał
                                MIDI 1..16, nuta 0..127); kanał lub nuta, których
                                typ trybu nie używa, są wysyłane jako kanał 1 lub
                                nuta 0
  modes count N                 ustaw liczbę trybów Basic/Eco (1..5)
  modes reset                   przywróć domyślne tryby Basic/Eco urządzenia

Opcje:
  --backend auto|alsa|jack      system MIDI (domyślnie auto: ALSA, gdy jego
                                sekwencer się otwiera, w przeciwnym razie działający
                                serwer JACK)
  --emulator                    dodaj wbudowane emulowane urządzenie (&quot;VANTOREL
                                Emulator&quot;) na początku list portów
  --emulator-type P|B|E         wersja emulowanego urządzenia (domyślnie P)
  --in NAME                     port wejściowy MIDI, dokładna nazwa (domyślnie:
                                pierwszy)
  --out NAME                    port wyjściowy MIDI, dokładna nazwa (domyślnie:
                                pierwszy)
  --device-id N                 użyj pary portów urządzenia o ID N (znalezionej
                                skanowaniem i potwierdzonej jeszcze jedną
                                identyfikacją na tej parze; zamiast --in i --out)
  --json                        wypisz wynik jako jeden dokument JSON (ports, scan,
                                identify, options, modes read, firmware info,
                                learn); błąd wypisuje {&quot;error&quot;: &quot;...&quot;, &quot;exit&quot;: N}
  --verbose                     po każdej operacji na urządzeniu wypisz na
                                standardowe wyjście błędów, ile komunikatów
                                wysłano, powtórzono i utracono
  -h, --help                    pokaż tę pomoc
  -v, --version                 pokaż wersję

Teksty stanu i raporty urządzenia trafiają na standardowe wyjście błędów; gdy
jest nim terminal, długie operacje rysują tam także pasek postępu. Ctrl+C
(SIGINT) lub SIGTERM kończy operację przy następnym pełnym komunikacie, zgłasza,
co zawiera urządzenie, i zamyka porty.
Kod wyjścia: 0 sukces, 1 brak odpowiedzi urządzenia, 2 błąd użycia lub zły
argument, 3 błąd pliku lub danych, 4 urządzenie zgłosiło błąd, test się nie
powiódł lub nic nie wgrano, 5 urządzenie zawiera inne dane niż plik lub zapis,
130 przerwano.
</translation>
    </message>
    <message>
        <source>&apos;ports&apos; takes no arguments.</source>
        <translation>&apos;ports&apos; nie przyjmuje argumentów.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Nie podano polecenia.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Nieznane polecenie: %1</translation>
    </message>
    <message>
        <source>--note-off and --zero-offset belong to the command &apos;options&apos;.</source>
        <translation>--note-off i --zero-offset należą do polecenia &apos;options&apos;.</translation>
    </message>
    <message>
        <source>--mode belongs to the commands &apos;firmware upload&apos; and &apos;channels patch&apos;.</source>
        <translation>--mode należy do poleceń &apos;firmware upload&apos; i &apos;channels patch&apos;.</translation>
    </message>
    <message>
        <source>--verify belongs to the commands &apos;channels write&apos; and &apos;restore&apos;.</source>
        <translation>--verify należy do poleceń &apos;channels write&apos; i &apos;restore&apos;.</translation>
    </message>
    <message>
        <source>--force belongs to the commands &apos;restore&apos; and &apos;channels patch&apos;.</source>
        <translation>--force należy do poleceń &apos;restore&apos; i &apos;channels patch&apos;.</translation>
    </message>
    <message>
        <source>--twice belongs to the command &apos;channels read&apos;.</source>
        <translation>--twice należy do polecenia &apos;channels read&apos;.</translation>
    </message>
    <message>
        <source>--changes-only and --prune belong to the command &apos;channels write&apos;.</source>
        <translation>--changes-only i --prune należą do polecenia &apos;channels write&apos;.</translation>
    </message>
    <message>
        <source>--prune goes with --changes-only.</source>
        <translation>--prune działa tylko razem z --changes-only.</translation>
    </message>
    <message>
        <source>--json belongs to the commands ports, scan, identify, options, modes read, firmware info and learn.</source>
        <translation>--json należy do poleceń ports, scan, identify, options, modes read, firmware info i learn.</translation>
    </message>
    <message>
        <source>--device-id takes a device ID from 0 to 4294967295, not &apos;%1&apos;.</source>
        <translation>--device-id przyjmuje ID urządzenia od 0 do 4294967295, a nie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--device-id chooses the ports itself: leave out --in and --out.</source>
        <translation>--device-id sam wybiera porty: pomiń --in i --out.</translation>
    </message>
    <message>
        <source>--device-id belongs to the commands that talk to one device.</source>
        <translation>--device-id należy do poleceń, które komunikują się z jednym urządzeniem.</translation>
    </message>
    <message>
        <source>--backend takes auto, alsa or jack, not &apos;%1&apos;.</source>
        <translation>--backend przyjmuje auto, alsa lub jack, a nie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--emulator-type takes P, B or E, not &apos;%1&apos;.</source>
        <translation>--emulator-type przyjmuje P, B lub E, a nie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>No device with the ID %1 answered.</source>
        <translation>Nie odpowiedziało żadne urządzenie o ID %1.</translation>
    </message>
    <message>
        <source>%1 devices answered with the ID %2; the first confirmed is used.</source>
        <translation>Urządzenia o ID %2 odpowiedziały (%1); używane jest pierwsze potwierdzone.</translation>
    </message>
    <message>
        <source>Device %1: input &quot;%2&quot;, output &quot;%3&quot;.</source>
        <translation>Urządzenie %1: wejście „%2”, wyjście „%3”.</translation>
    </message>
    <message>
        <source>No MIDI output port is named &apos;%1&apos;.</source>
        <translation>Żaden port wyjściowy MIDI nie nazywa się &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>There is no MIDI input port: replies cannot be received.</source>
        <translation>Brak portu wejściowego MIDI: nie można odbierać odpowiedzi.</translation>
    </message>
    <message>
        <source>There is no MIDI output port: nothing can be sent.</source>
        <translation>Brak portu wyjściowego MIDI: nie można nic wysłać.</translation>
    </message>
    <message>
        <source>No connection with device</source>
        <translation>Brak połączenia z urządzeniem</translation>
    </message>
    <message>
        <source>Cancelled: nothing was sent to the device.</source>
        <translation>Anulowano: nic nie zostało wysłane do urządzenia.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Brak pamięci.</translation>
    </message>
    <message>
        <source>Unexpected error: %1</source>
        <translation>Nieoczekiwany błąd: %1</translation>
    </message>
    <message>
        <source>A mode is SLOT:TYPE:CHANNEL:NOTE, not &apos;%1&apos;.</source>
        <translation>Tryb ma postać SLOT:TYPE:CHANNEL:NOTE, a nie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>In &apos;%1&apos;: %2.</source>
        <translation>W &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>Slot %1 is given more than once.</source>
        <translation>Pozycja %1 podana więcej niż raz.</translation>
    </message>
    <message>
        <source>&apos;modes %1&apos; takes no arguments.</source>
        <translation>&apos;modes %1&apos; nie przyjmuje argumentów.</translation>
    </message>
    <message>
        <source>&apos;modes count&apos; takes one number, 1..5.</source>
        <translation>&apos;modes count&apos; przyjmuje jedną liczbę, 1..5.</translation>
    </message>
    <message>
        <source>The number of modes must be 1..5, not &apos;%1&apos;.</source>
        <translation>Liczba trybów musi być z zakresu 1..5, a nie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>&apos;modes write&apos; needs at least one SLOT:TYPE:CHANNEL:NOTE.</source>
        <translation>&apos;modes write&apos; wymaga co najmniej jednego SLOT:TYPE:CHANNEL:NOTE.</translation>
    </message>
    <message>
        <source>&apos;modes&apos; needs read, write, count or reset.</source>
        <translation>&apos;modes&apos; wymaga read, write, count lub reset.</translation>
    </message>
    <message>
        <source>Unknown &apos;modes&apos; command: %1</source>
        <translation>Nieznane polecenie &apos;modes&apos;: %1</translation>
    </message>
    <message>
        <source>Invalid mode record received: slot %1, mode type %2, MIDI channel %3, note %4.</source>
        <translation>Odebrano nieprawidłowy rekord trybu: pozycja %1, typ trybu %2, kanał MIDI %3, nuta %4.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mode(s) stored.</source>
        <translation>
            <numerusform>Zapisano %1 z %n trybu.</numerusform>
            <numerusform>Zapisano %1 z %n trybów.</numerusform>
            <numerusform>Zapisano %1 z %n trybów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Anulowano.</translation>
    </message>
    <message>
        <source>No device found.</source>
        <translation>Nie znaleziono urządzenia.</translation>
    </message>
    <message>
        <source>&apos;scan&apos; takes no arguments.</source>
        <translation>&apos;scan&apos; nie przyjmuje argumentów.</translation>
    </message>
    <message>
        <source> --force overwrites them.</source>
        <translation> --force je zastępuje.</translation>
    </message>
</context>
</TS>
