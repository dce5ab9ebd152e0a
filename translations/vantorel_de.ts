<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Aufruf: vantorel-emulator --name CLIENT --type P|B|E [Optionen]
Emuliert ein VANTOREL-Gerät als JACK-Client CLIENT mit den MIDI-Ports
CLIENT:in (Befehle vom Programm) und CLIENT:out (Antworten).
Gibt &quot;ready&quot; aus, sobald die Ports existieren; SIGTERM oder SIGINT beendet ihn.

  --name CLIENT     Name des JACK-Clients (erforderlich)
  --type P|B|E      Ausführung: Pro, Basic oder Eco (Standard P); ein anderer
                    Buchstabe A-Z ergibt eine dem Programm unbekannte Ausführung
  --device-id N     Geräte-ID (Standard 1)
  --never-answer    alles empfangen, nichts beantworten
  --skip LETTER:N   die N-te Antwort mit diesem Buchstaben auslassen (wiederholbar)
  --delay MS        jede Antwort MS Millisekunden verspätet senden
  --alter-channel N DMX-Kanal N mit einem anderen MIDI-Kanal als geschrieben
                    speichern
  --firmware-date D Firmware-Datum &quot;MM-DD-YYYY HH:MM&quot;, oder 0 für keine gültige
                    Firmware
  --bootloader      im Bootloader starten und das melden
  --image-out FILE  das Image jedes abgeschlossenen Uploads nach FILE schreiben
  --channels-out FILE  am Ende die gespeicherten Kanäle nach FILE schreiben, eine
                    Kanal-Nutzlast je Zeile in Kanalreihenfolge
  --corrupt-block N den N-ten Firmware-Block mit einem Prüfsummenfehler
                    beantworten
  --drop-block-request N  die N-te Blockanforderung auslassen (1: die erste)
  --echo-missing-byte     ein Byte im Echo des Schnittstellentests auslassen
  --echo-wrong-byte       ein Byte im Echo des Schnittstellentests ändern
  --no-restart-after-id   &quot;E&quot; beantworten, ohne neu zu starten
  --no-upgrade-verdict    den letzten Firmware-Block weder bestätigen noch
                          ablehnen
  --bootloader-after-upgrade  nach einem Upload erneut den Bootloader starten
  --loss P          jede Nachricht in beiden Richtungen mit Wahrscheinlichkeit P
                    (0..1) verlieren
  --seed S          die Verluste von --loss mit Startwert S beginnen (Standard 1)
  --drop LETTER:N[:before|:after]  den N-ten Befehl mit diesem Buchstaben
                    verlieren, bevor das Gerät ihn ausführt (Standard) oder
                    danach, sodass nur seine Antwort verloren geht (wiederholbar)
  --late LETTER:MS  Befehle mit diesem Buchstaben MS Millisekunden verspätet
                    beantworten
  --verbose         empfangene und gesendete Nachrichten auf stderr protokollieren
  --help            diesen Text anzeigen
  --version         die Version anzeigen
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--name must not be empty</source>
        <translation>--name darf nicht leer sein</translation>
    </message>
    <message>
        <source>--type must be P, B, E or another letter A-Z, not %1</source>
        <translation>--type muss P, B, E oder ein anderer Buchstabe A-Z sein, nicht %1</translation>
    </message>
    <message>
        <source>--device-id needs a number from 0 to 4294967295, not %1</source>
        <translation>--device-id braucht eine Zahl von 0 bis 4294967295, nicht %1</translation>
    </message>
    <message>
        <source>--skip needs LETTER:N with N from 1, not %1</source>
        <translation>--skip braucht LETTER:N mit N ab 1, nicht %1</translation>
    </message>
    <message>
        <source>--delay needs milliseconds from 0 to 600000, not %1</source>
        <translation>--delay braucht Millisekunden von 0 bis 600000, nicht %1</translation>
    </message>
    <message>
        <source>--firmware-date needs &quot;MM-DD-YYYY HH:MM&quot; or 0, not %1</source>
        <translation>--firmware-date braucht &quot;MM-DD-YYYY HH:MM&quot; oder 0, nicht %1</translation>
    </message>
    <message>
        <source>--image-out must not be empty</source>
        <translation>--image-out darf nicht leer sein</translation>
    </message>
    <message>
        <source>--alter-channel needs a DMX channel from 1 to 512, not %1</source>
        <translation>--alter-channel braucht einen DMX-Kanal von 1 bis 512, nicht %1</translation>
    </message>
    <message>
        <source>--channels-out must not be empty</source>
        <translation>--channels-out darf nicht leer sein</translation>
    </message>
    <message>
        <source>--loss needs a chance from 0 to 1, not %1</source>
        <translation>--loss braucht eine Wahrscheinlichkeit von 0 bis 1, nicht %1</translation>
    </message>
    <message>
        <source>--seed needs a number from 0 to 4294967295, not %1</source>
        <translation>--seed braucht eine Zahl von 0 bis 4294967295, nicht %1</translation>
    </message>
    <message>
        <source>--drop needs LETTER:N, LETTER:N:before or LETTER:N:after, not %1</source>
        <translation>--drop braucht LETTER:N, LETTER:N:before oder LETTER:N:after, nicht %1</translation>
    </message>
    <message>
        <source>--late needs LETTER:MS with MS from 0 to 600000, not %1</source>
        <translation>--late braucht LETTER:MS mit MS von 0 bis 600000, nicht %1</translation>
    </message>
    <message>
        <source>%1 needs a number from 1, not %2</source>
        <translation>%1 braucht eine Zahl ab 1, nicht %2</translation>
    </message>
    <message>
        <source>--name CLIENT is required</source>
        <translation>--name CLIENT ist erforderlich</translation>
    </message>
    <message>
        <source>Cannot load the JACK library: %1</source>
        <translation>Die JACK-Bibliothek kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>The JACK client name %1 is already taken</source>
        <translation>Der JACK-Clientname %1 ist bereits vergeben</translation>
    </message>
    <message>
        <source>Cannot connect to the JACK server</source>
        <translation>Keine Verbindung zum JACK-Server möglich</translation>
    </message>
    <message>
        <source>Cannot open the JACK client %1</source>
        <translation>Der JACK-Client %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot create the MIDI ports of %1</source>
        <translation>Die MIDI-Ports von %1 können nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot activate the JACK client %1</source>
        <translation>Der JACK-Client %1 kann nicht aktiviert werden</translation>
    </message>
    <message>
        <source>JACK is not available on this system</source>
        <translation>JACK ist auf diesem System nicht verfügbar</translation>
    </message>
    <message>
        <source>cannot install the console control handler</source>
        <translation>der Konsolen-Steuerhandler kann nicht installiert werden</translation>
    </message>
    <message>
        <source>Try &apos;vantorel-emulator --help&apos;.</source>
        <translation>Siehe &apos;vantorel-emulator --help&apos;.</translation>
    </message>
    <message>
        <source>output queue full, message dropped</source>
        <translation>Ausgabewarteschlange voll, Nachricht verworfen</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>image of %1 bytes written to %2</source>
        <translation>Image mit %1 Bytes nach %2 geschrieben</translation>
    </message>
    <message>
        <source>the JACK server went away</source>
        <translation>der JACK-Server ist verschwunden</translation>
    </message>
</context>
<context>
    <name>vantorel::BackupOperations</name>
    <message>
        <source>an edition this program does not know: %1</source>
        <translation>eine diesem Programm unbekannte Ausführung: %1</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The device did not say which edition it is.</source>
        <translation>Das Gerät hat seine Ausführung nicht gemeldet.</translation>
    </message>
    <message>
        <source>The device is of %1.</source>
        <translation>Das Gerät hat %1.</translation>
    </message>
    <message>
        <source>Identity: %1, ID %2, firmware %3.</source>
        <translation>Identität: %1, ID %2, Firmware %3.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>The device sent no valid options.</source>
        <translation>Das Gerät hat keine gültigen Optionen gesendet.</translation>
    </message>
    <message>
        <source>Options: Use Note Off %1, CC Zero Value Offset %2.</source>
        <translation>Optionen: Use Note Off %1, CC Zero Value Offset %2.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>The device sent incomplete or invalid Basic/Eco modes.</source>
        <translation>Das Gerät hat unvollständige oder ungültige Basic/Eco-Modi gesendet.</translation>
    </message>
    <message>
        <source>Basic/Eco modes: %1 in use.</source>
        <translation>Basic/Eco-Modi: %1 in Gebrauch.</translation>
    </message>
    <message>
        <source>The device&apos;s channel table changed or was cut short while it was read: nothing was saved.</source>
        <translation>Die Kanaltabelle des Geräts hat sich beim Lesen geändert oder wurde abgeschnitten: Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The device holds channel data that cannot be kept: %1</source>
        <translation>Das Gerät enthält Kanaldaten, die nicht gesichert werden können: %1</translation>
    </message>
    <message>
        <source>Channels: %1.</source>
        <translation>Kanäle: %1.</translation>
    </message>
    <message>
        <source>Options: not written; the device keeps its own.</source>
        <translation>Optionen: nicht geschrieben; das Gerät behält seine eigenen.</translation>
    </message>
    <message>
        <source>Options: %1 of 2 written.</source>
        <translation>Optionen: %1 von 2 geschrieben.</translation>
    </message>
    <message>
        <source>Modes: not written; the device keeps its own.</source>
        <translation>Modi: nicht geschrieben; das Gerät behält seine eigenen.</translation>
    </message>
    <message numerus="yes">
        <source>Modes: %1 of %n slots written; the number in use was not written.</source>
        <translation>
            <numerusform>Modi: %1 von %n Platz geschrieben; die Anzahl in Gebrauch wurde nicht geschrieben.</numerusform>
            <numerusform>Modi: %1 von %n Plätzen geschrieben; die Anzahl in Gebrauch wurde nicht geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Modes: %n of %n slots written, %1 in use.</source>
        <translation>
            <numerusform>Modi: %n von %n Platz geschrieben, %1 in Gebrauch.</numerusform>
            <numerusform>Modi: %n von %n Plätzen geschrieben, %1 in Gebrauch.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channels: not touched; the device keeps its table.</source>
        <translation>Kanäle: unverändert; das Gerät behält seine Tabelle.</translation>
    </message>
    <message>
        <source>Channels: the device was told to clear its table but did not confirm it; none written.</source>
        <translation>Kanäle: Das Gerät sollte seine Tabelle löschen, hat es aber nicht bestätigt; keiner geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>Channels: the device&apos;s table was cleared; %n of %1 written. The device now holds %n channel(s).</source>
        <translation>
            <numerusform>Kanäle: Die Tabelle des Geräts wurde gelöscht; %n von %1 geschrieben. Das Gerät enthält jetzt %n Kanal.</numerusform>
            <numerusform>Kanäle: Die Tabelle des Geräts wurde gelöscht; %n von %1 geschrieben. Das Gerät enthält jetzt %n Kanäle.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup is of a %1, the device is a %2.</source>
        <translation>Die Sicherung stammt von einem %1, das Gerät ist ein %2.</translation>
    </message>
    <message>
        <source>device of %1</source>
        <translation>Gerät der Art %1</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Options written.</source>
        <translation>Optionen geschrieben.</translation>
    </message>
    <message>
        <source>Basic/Eco modes not written: a VANTOREL Pro has none.</source>
        <translation>Basic/Eco-Modi nicht geschrieben: Ein VANTOREL Pro hat keine.</translation>
    </message>
    <message>
        <source>Basic/Eco modes left as they are: the backup holds none.</source>
        <translation>Basic/Eco-Modi unverändert: Die Sicherung enthält keine.</translation>
    </message>
    <message>
        <source>Basic/Eco modes written: %1 in use.</source>
        <translation>Basic/Eco-Modi geschrieben: %1 in Gebrauch.</translation>
    </message>
    <message>
        <source>Channels written: %1.</source>
        <translation>Kanäle geschrieben: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The device&apos;s channel table was cleared first; it holds these %n channel(s) now.</source>
        <translation>
            <numerusform>Die Kanaltabelle des Geräts wurde zuerst gelöscht; es enthält jetzt diesen %n Kanal.</numerusform>
            <numerusform>Die Kanaltabelle des Geräts wurde zuerst gelöscht; es enthält jetzt diese %n Kanäle.</numerusform>
        </translation>
    </message>
    <message>
        <source>Verified: the device holds what the backup holds.</source>
        <translation>Geprüft: Das Gerät enthält, was die Sicherung enthält.</translation>
    </message>
    <message numerus="yes">
        <source>Verify failed: %n difference(s).</source>
        <translation>
            <numerusform>Prüfung fehlgeschlagen: %n Abweichung.</numerusform>
            <numerusform>Prüfung fehlgeschlagen: %n Abweichungen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantorel::BoundedFile</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation>die Datei ist größer als %1</translation>
    </message>
</context>
<context>
    <name>vantorel::CalculatorDialog</name>
    <message>
        <source>16 bit calculator</source>
        <translation>16-Bit-Rechner</translation>
    </message>
    <message>
        <source>Low byte (0..255)</source>
        <translation>Low-Byte (0..255)</translation>
    </message>
    <message>
        <source>High byte (0..255)</source>
        <translation>High-Byte (0..255)</translation>
    </message>
    <message>
        <source>Value (0..65535)</source>
        <translation>Wert (0..65535)</translation>
    </message>
    <message>
        <source>Bytes to value</source>
        <translation>Bytes zu Wert</translation>
    </message>
    <message>
        <source>Value to bytes</source>
        <translation>Wert zu Bytes</translation>
    </message>
    <message>
        <source>No value entered!</source>
        <translation>Kein Wert eingegeben!</translation>
    </message>
    <message>
        <source>Illegal chars in input!</source>
        <translation>Ungültige Zeichen in der Eingabe!</translation>
    </message>
    <message>
        <source>Value too high!</source>
        <translation>Wert zu hoch!</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelChanges</name>
    <message numerus="yes">
        <source>The device also holds %n channel(s) that the %1 lacks: %2</source>
        <translation>
            <numerusform>Das Gerät enthält außerdem %n Kanal, der in der %1 fehlt: %2</numerusform>
            <numerusform>Das Gerät enthält außerdem %n Kanäle, die in der %1 fehlen: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Abgebrochen: Es wurde nichts geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>The device already holds these %n channels: nothing was written.</source>
        <translation>
            <numerusform>Das Gerät enthält diesen %n Kanal bereits: Es wurde nichts geschrieben.</numerusform>
            <numerusform>Das Gerät enthält diese %n Kanäle bereits: Es wurde nichts geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing all %n channels.</source>
        <translation>
            <numerusform>%n Kanal wird geschrieben.</numerusform>
            <numerusform>Alle %n Kanäle werden geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Writing %1 of %n channels: %2</source>
        <translation>
            <numerusform>Schreibe %1 von %n Kanal: %2</numerusform>
            <numerusform>Schreibe %1 von %n Kanälen: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelColumns</name>
    <message>
        <source>DMX ch.</source>
        <translation>DMX-Kan.</translation>
    </message>
    <message>
        <source>Act. ctrl/Value</source>
        <translation>Modus Active/Value</translation>
    </message>
    <message>
        <source>Data =</source>
        <translation>Daten =</translation>
    </message>
    <message>
        <source>MIDI ch.</source>
        <translation>MIDI Kan.</translation>
    </message>
    <message>
        <source>Active on</source>
        <translation>Aktiv bei</translation>
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
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Data = (constant value)</source>
        <translation>Daten = (konstanter Wert)</translation>
    </message>
    <message>
        <source>From Note On/CC</source>
        <translation>Von Note On/CC</translation>
    </message>
    <message>
        <source>To Note On/CC</source>
        <translation>Bis Note On/CC</translation>
    </message>
    <message>
        <source>Data = (fixed value)</source>
        <translation>Daten = (fester Wert)</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelCsv</name>
    <message>
        <source>Empty data file!</source>
        <translation>Leere Datendatei!</translation>
    </message>
    <message>
        <source>Unrecognized header data!</source>
        <translation>Unbekannte Kopfzeile!</translation>
    </message>
    <message>
        <source>Improper data format in line %1: the DMX channel &quot;%2&quot; is not a number.<byte value="xd"/>
Nothing was loaded.</source>
        <translation>Ungültiges Datenformat in Zeile %1: Der DMX-Kanal „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The DMX channel %1 appears more than once: lines %2 and %3.</source>
        <translation>Der DMX-Kanal %1 kommt mehr als einmal vor: Zeilen %2 und %3.</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelDocument</name>
    <message>
        <source>Read from device</source>
        <translation>Aus Gerät lesen</translation>
    </message>
    <message>
        <source>Restore unsaved changes</source>
        <translation>Ungespeicherte Änderungen wiederherstellen</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelDumpCollector</name>
    <message>
        <source>Unreadable channel data: %1</source>
        <translation>Unlesbare Kanaldaten: %1</translation>
    </message>
    <message>
        <source>Channel without note labels left out: %1</source>
        <translation>Kanal ohne Notenbezeichnung ausgelassen: %1</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelFile</name>
    <message>
        <source>Cannot open the file %1: %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot save the file %1: %2</source>
        <translation>Die Datei %1 kann nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelInputDialog</name>
    <message>
        <source>Destination channel number</source>
        <translation>Zielkanalnummer</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No valid number entered.</source>
        <translation>Keine gültige Zahl eingegeben.</translation>
    </message>
    <message>
        <source>Invalid number entered - please enter digits only.</source>
        <translation>Ungültige Zahl - bitte nur Ziffern eingeben.</translation>
    </message>
    <message>
        <source>Too high channel number.</source>
        <translation>Kanalnummer zu hoch.</translation>
    </message>
    <message>
        <source>Too low channel number.</source>
        <translation>Kanalnummer zu niedrig.</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelRecovery</name>
    <message>
        <source>row %1 holds %2 &quot;%3&quot;, which no channel can have</source>
        <translation>Zeile %1 enthält %2 „%3“, was kein Kanal haben kann</translation>
    </message>
    <message>
        <source>row %1 holds DMX channel %2 a second time</source>
        <translation>Zeile %1 enthält DMX-Kanal %2 ein zweites Mal</translation>
    </message>
    <message>
        <source>row %1 (DMX channel %2) is out of order</source>
        <translation>Zeile %1 (DMX-Kanal %2) steht an falscher Stelle</translation>
    </message>
    <message>
        <source>Cannot write the recovery file %1: %2</source>
        <translation>Die Wiederherstellungsdatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the file is not a recovery file of this program</source>
        <translation>die Datei ist keine Wiederherstellungsdatei dieses Programms</translation>
    </message>
    <message>
        <source>a row does not have %1 cells</source>
        <translation>eine Zeile hat nicht %1 Zellen</translation>
    </message>
    <message>
        <source>a cell is not a text</source>
        <translation>eine Zelle ist kein Text</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelTable</name>
    <message>
        <source>Wrong input  - type digits only.</source>
        <translation>Falsche Eingabe  - nur Ziffern eingeben.</translation>
    </message>
    <message>
        <source>Wrong input  - DMX channels starts from 1.</source>
        <translation>Falsche Eingabe  - DMX-Kanäle beginnen bei 1.</translation>
    </message>
    <message>
        <source>Wrong input  - DMX channels ends on 512.</source>
        <translation>Falsche Eingabe  - DMX-Kanäle enden bei 512.</translation>
    </message>
    <message>
        <source>DMX channel %1 already on the list.</source>
        <translation>DMX-Kanal %1 ist bereits in der Liste.</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelTableModel</name>
    <message>
        <source>DMX ch.</source>
        <translation>DMX-Kan.</translation>
    </message>
    <message>
        <source>Act. ctrl/Value</source>
        <translation>Modus Active/Value</translation>
    </message>
    <message>
        <source>Data =</source>
        <translation>Daten =</translation>
    </message>
    <message>
        <source>MIDI ch.</source>
        <translation>MIDI Kan.</translation>
    </message>
    <message>
        <source>Active on</source>
        <translation>Aktiv bei</translation>
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
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>DMX channel</source>
        <translation>DMX-Kanal</translation>
    </message>
    <message>
        <source>Control mode</source>
        <translation>Steuermodus</translation>
    </message>
    <message>
        <source>Constant value</source>
        <translation>Konstanter Wert</translation>
    </message>
    <message>
        <source>MIDI channel</source>
        <translation>MIDI-Kanal</translation>
    </message>
    <message>
        <source>From note</source>
        <translation>Von Note</translation>
    </message>
    <message>
        <source>To note</source>
        <translation>Bis Note</translation>
    </message>
    <message>
        <source>Data type</source>
        <translation>Datentyp</translation>
    </message>
    <message>
        <source>Fixed value</source>
        <translation>Fester Wert</translation>
    </message>
    <message>
        <source>The device holds other data for this channel.</source>
        <translation>Das Gerät enthält andere Daten für diesen Kanal.</translation>
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
        <translation>MIDI-Kanal %1</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <comment>message, from note, to note</comment>
        <translation>%1 %2 bis %3</translation>
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
        <translation>Daten werden gelesen...</translation>
    </message>
    <message>
        <source>Cancelled: no channel was received.</source>
        <translation>Abgebrochen: Es wurde kein Kanal empfangen.</translation>
    </message>
    <message>
        <source>No data received.</source>
        <translation>Keine Daten empfangen.</translation>
    </message>
    <message>
        <source>Data ready.</source>
        <translation>Daten bereit.</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled: %n channels received; the rest were not awaited.</source>
        <translation>
            <numerusform>Abgebrochen: %n Kanal empfangen; auf den Rest wurde nicht gewartet.</numerusform>
            <numerusform>Abgebrochen: %n Kanäle empfangen; auf den Rest wurde nicht gewartet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to write...</source>
        <translation>Nichts zu schreiben...</translation>
    </message>
    <message>
        <source>Row %1, DMX ch. &quot;%2&quot;: %3 &quot;%4&quot;</source>
        <translation>Zeile %1, DMX-Kan. „%2“: %3 „%4“</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more row(s).</source>
        <translation>
            <numerusform>... und %n weitere Zeile.</numerusform>
            <numerusform>... und %n weitere Zeilen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was written: %n row(s) hold data the device cannot take.<byte value="xd"/>
%1</source>
        <translation>
            <numerusform>Nichts wurde geschrieben: %n Zeile enthält Daten, die das Gerät nicht annimmt.</numerusform>
            <numerusform>Nichts wurde geschrieben: %n Zeilen enthalten Daten, die das Gerät nicht annimmt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cancelled: %1 of %n channels written.</source>
        <translation>
            <numerusform>Abgebrochen: %1 von %n Kanal geschrieben.</numerusform>
            <numerusform>Abgebrochen: %1 von %n Kanälen geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Writing data to device...</source>
        <translation>Daten werden in das Gerät geschrieben...</translation>
    </message>
    <message>
        <source>Writing data to device finished succesfully.</source>
        <translation>Schreiben der Daten in das Gerät erfolgreich beendet.</translation>
    </message>
    <message>
        <source>Writing data to device failed.</source>
        <translation>Schreiben der Daten in das Gerät fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>vantorel::ChannelVerify</name>
    <message>
        <source>Verify failed: %1</source>
        <translation>Prüfung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Comparison impossible: %1</source>
        <translation>Vergleich nicht möglich: %1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... und %n weiterer.</numerusform>
            <numerusform>... und %n weitere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) differ. %1</source>
        <translation>
            <numerusform>%n Kanal weicht ab. %1</numerusform>
            <numerusform>%n Kanäle weichen ab. %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the channels read back from the device are incomplete.</source>
        <translation>die aus dem Gerät zurückgelesenen Kanäle sind unvollständig.</translation>
    </message>
    <message>
        <source>the device did not send its channels.</source>
        <translation>das Gerät hat seine Kanäle nicht gesendet.</translation>
    </message>
    <message numerus="yes">
        <source>The device holds the same %n channels.</source>
        <translation>
            <numerusform>Das Gerät enthält denselben %n Kanal.</numerusform>
            <numerusform>Das Gerät enthält dieselben %n Kanäle.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n differ</source>
        <translation>
            <numerusform>, %n weicht ab</numerusform>
            <numerusform>, %n weichen ab</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verify cancelled: %1 of %n channels read back match%2; the rest were not checked.</source>
        <translation>
            <numerusform>Prüfung abgebrochen: %1 von %n zurückgelesenen Kanal stimmen überein%2; der Rest wurde nicht geprüft.</numerusform>
            <numerusform>Prüfung abgebrochen: %1 von %n zurückgelesenen Kanälen stimmen überein%2; der Rest wurde nicht geprüft.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 repair</source>
        <translation>1 Korrektur</translation>
    </message>
    <message numerus="yes">
        <source>%n repairs</source>
        <translation>
            <numerusform>%n Reparatur</numerusform>
            <numerusform>%n Reparaturen</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreadable channel data: %1</source>
        <translation>Unlesbare Kanaldaten: %1</translation>
    </message>
    <message numerus="yes">
        <source>Writing %n channel(s) again that differ: %1</source>
        <translation>
            <numerusform>%n abweichender Kanal wird erneut geschrieben: %1</numerusform>
            <numerusform>%n abweichende Kanäle werden erneut geschrieben: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Verify cancelled: %1 of %n channel(s) that differed were written again and not read back.</source>
        <translation>
            <numerusform>Prüfung abgebrochen: %1 von %n abweichenden Kanal wurden erneut geschrieben und nicht zurückgelesen.</numerusform>
            <numerusform>Prüfung abgebrochen: %1 von %n abweichenden Kanälen wurden erneut geschrieben und nicht zurückgelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Verify failed: %1 Writing them again failed.</source>
        <translation>Prüfung fehlgeschlagen: %1 Erneutes Schreiben fehlgeschlagen.</translation>
    </message>
    <message>
        <source> after %1</source>
        <translation> nach %1</translation>
    </message>
    <message numerus="yes">
        <source>Verified%1: %n channels match.</source>
        <translation>
            <numerusform>Geprüft%1: %n Kanal stimmt überein.</numerusform>
            <numerusform>Geprüft%1: %n Kanäle stimmen überein.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> The device also holds %n channel(s) that were not written.</source>
        <translation>
            <numerusform> Das Gerät enthält außerdem %n Kanal, der nicht geschrieben wurde.</numerusform>
            <numerusform> Das Gerät enthält außerdem %n Kanäle, die nicht geschrieben wurden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Verify failed%1: the channels read back from the device are incomplete.</source>
        <translation>Prüfung fehlgeschlagen%1: Die aus dem Gerät zurückgelesenen Kanäle sind unvollständig.</translation>
    </message>
    <message>
        <source>Verify failed%1: %2</source>
        <translation>Prüfung fehlgeschlagen%1: %2</translation>
    </message>
    <message numerus="yes">
        <source> ... and %n more</source>
        <translation>
            <numerusform> ... und %n weiterer</numerusform>
            <numerusform> ... und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 written, %3 in the device</source>
        <translation>%1 %2 geschrieben, %3 im Gerät</translation>
    </message>
    <message>
        <source>%1 %2 in the file, %3 in the device</source>
        <translation>%1 %2 in der Datei, %3 im Gerät</translation>
    </message>
    <message>
        <source>%1 %2 in the backup, %3 in the device</source>
        <translation>%1 %2 in der Sicherung, %3 im Gerät</translation>
    </message>
    <message>
        <source>data %1 written, %2 in the device</source>
        <translation>Daten %1 geschrieben, %2 im Gerät</translation>
    </message>
    <message>
        <source>data %1 in the file, %2 in the device</source>
        <translation>Daten %1 in der Datei, %2 im Gerät</translation>
    </message>
    <message>
        <source>data %1 in the backup, %2 in the device</source>
        <translation>Daten %1 in der Sicherung, %2 im Gerät</translation>
    </message>
    <message>
        <source>Channel %1: not in the device.</source>
        <translation>Kanal %1: nicht im Gerät.</translation>
    </message>
    <message>
        <source>Channel %1: in the device only.</source>
        <translation>Kanal %1: nur im Gerät.</translation>
    </message>
    <message>
        <source>Channel %1: %2.</source>
        <translation>Kanal %1: %2.</translation>
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
        <translation>Änderungen an der Kanaltabelle speichern?</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>DMX ch.</source>
        <translation>DMX-Kan.</translation>
    </message>
    <message>
        <source>DMX channel number</source>
        <translation>DMX-Kanalnummer</translation>
    </message>
    <message>
        <source>Active Ctrl/Value</source>
        <translation>Modus Active/Value</translation>
    </message>
    <message>
        <source>General control mode.<byte value="xd"/>
Active - incoming data,<byte value="xd"/>
Value - always on with value &quot;Data =&quot;. </source>
        <translation>Allgemeiner Steuermodus.</translation>
    </message>
    <message>
        <source>Data =</source>
        <translation>Daten =</translation>
    </message>
    <message>
        <source>Fixed value of the constantly activated DMX channel.</source>
        <translation>Fester Wert des dauerhaft aktivierten DMX-Kanals.</translation>
    </message>
    <message>
        <source>MIDI ch.</source>
        <translation>MIDI Kan.</translation>
    </message>
    <message>
        <source>MIDI channel for this DMX channel.</source>
        <translation>MIDI-Kanal für diesen DMX-Kanal.</translation>
    </message>
    <message>
        <source>Active on</source>
        <translation>Aktiv bei</translation>
    </message>
    <message>
        <source>MIDI message for this DMX channel.</source>
        <translation>MIDI-Nachricht für diesen DMX-Kanal.</translation>
    </message>
    <message>
        <source>From<byte value="xd"/>
Note On/CC</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>DMX channel active from this Note/CC.</source>
        <translation>DMX-Kanal aktiv ab dieser Note/CC.</translation>
    </message>
    <message>
        <source>To<byte value="xd"/>
Note On/CC</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>DMX channel active to this Note/CC.</source>
        <translation>DMX-Kanal aktiv bis zu dieser Note/CC.</translation>
    </message>
    <message>
        <source>Data type<byte value="xd"/>
Velocity/Value</source>
        <translation>Datentyp</translation>
    </message>
    <message>
        <source>DMX channel control value.<byte value="xd"/>
Velocity - incoming data,<byte value="xd"/>
Value - fixed from next list Data =.</source>
        <translation>Steuerwert des DMX-Kanals.</translation>
    </message>
    <message>
        <source>Value for the DMX channel if fixed value used.</source>
        <translation>Wert für den DMX-Kanal bei festem Wert.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Set channel</source>
        <translation>Kanal setzen</translation>
    </message>
    <message>
        <source>On click sets data of the channel from data boxes.<byte value="xd"/>
On double click adds channel to DMX list.</source>
        <translation>Setzt beim Klicken die Daten des Kanals aus den Datenfeldern.</translation>
    </message>
    <message>
        <source>DMX Channels:</source>
        <translation>DMX-Kanäle:</translation>
    </message>
    <message>
        <source>DMX channels</source>
        <translation>DMX-Kanäle</translation>
    </message>
    <message>
        <source>One row per DMX channel; the Menu key opens its commands.</source>
        <translation>Eine Zeile je DMX-Kanal; die Menütaste öffnet ihre Befehle.</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>Kanal hinzufügen</translation>
    </message>
    <message>
        <source>Delete channel</source>
        <translation>Kanal löschen</translation>
    </message>
    <message>
        <source>Clear current channel data</source>
        <translation>Daten des aktuellen Kanals löschen</translation>
    </message>
    <message>
        <source>Clear all channels data</source>
        <translation>Daten aller Kanäle löschen</translation>
    </message>
    <message>
        <source>Delete all channels</source>
        <translation>Alle Kanäle löschen</translation>
    </message>
    <message>
        <source>Add 512 DMX channels</source>
        <translation>512 DMX-Kanäle hinzufügen</translation>
    </message>
    <message>
        <source>16 bit values calculator</source>
        <translation>16-Bit-Rechner</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Kanal hinzufügen</translation>
    </message>
    <message>
        <source>Delete channel (s)</source>
        <translation>Kanäle löschen</translation>
    </message>
    <message>
        <source>Clear channel(s) data</source>
        <translation>Kanaldaten löschen</translation>
    </message>
    <message>
        <source>Copy &amp;&amp; paste selected</source>
        <translation>Auswahl kopieren &amp; einfügen</translation>
    </message>
    <message>
        <source>Show and edit full description</source>
        <translation>Beschreibung anzeigen und bearbeiten</translation>
    </message>
    <message>
        <source>Open channels settings</source>
        <translation>Kanaleinstellungen öffnen</translation>
    </message>
    <message>
        <source>Save channels settings</source>
        <translation>Kanaleinstellungen speichern</translation>
    </message>
    <message>
        <source>Read from device</source>
        <translation>Aus Gerät lesen</translation>
    </message>
    <message>
        <source>Write to device</source>
        <translation>In Gerät schreiben</translation>
    </message>
    <message>
        <source>Write changes to device</source>
        <translation>Änderungen in Gerät schreiben</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Clear device and write all</source>
        <translation>Gerät löschen, alles schreiben</translation>
    </message>
    <message>
        <source>Leave them</source>
        <translation>Belassen</translation>
    </message>
    <message>
        <source>table</source>
        <comment>the channel table, as a sentence names it</comment>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Clear the device and write the whole table? The channels named are then gone from the device.</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 They are left alone.</source>
        <translation>%1 Sie bleiben unverändert.</translation>
    </message>
    <message>
        <source>Adding DMX Channel</source>
        <translation>DMX-Kanal hinzufügen</translation>
    </message>
    <message>
        <source>DMX Channel doesn&apos;t exists<byte value="xd"/>
Add channel?</source>
        <translation>DMX-Kanal existiert nicht</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Improper data format in current line! <byte value="xd"/>
Line: %1</source>
        <translation>Ungültiges Datenformat in der aktuellen Zeile! </translation>
    </message>
    <message>
        <source>Channel %1 received again: it replaces the earlier row.</source>
        <translation>Kanal %1 erneut empfangen: er ersetzt die frühere Zeile.</translation>
    </message>
    <message>
        <source>Channel data after a cancel ignored: %1</source>
        <translation>Kanaldaten nach Abbruch ignoriert: %1</translation>
    </message>
    <message>
        <source>Unreadable channel data: %1</source>
        <translation>Unlesbare Kanaldaten: %1</translation>
    </message>
    <message>
        <source>No user data in device.</source>
        <translation>Keine Benutzerdaten im Gerät.</translation>
    </message>
    <message>
        <source>Channel without note labels left out: %1</source>
        <translation>Kanal ohne Notenbezeichnung ausgelassen: %1</translation>
    </message>
    <message>
        <source>Set channel %1</source>
        <translation>Kanal %1 setzen</translation>
    </message>
    <message>
        <source>Error: Setting of non existing channel.</source>
        <translation>Fehler: Setzen eines nicht vorhandenen Kanals.</translation>
    </message>
    <message>
        <source>DMX Channel</source>
        <translation>DMX-Kanal</translation>
    </message>
    <message>
        <source>New DMX channel</source>
        <translation>Neuer DMX-Kanal</translation>
    </message>
    <message>
        <source>Add channel %1</source>
        <translation>Kanal %1 hinzufügen</translation>
    </message>
    <message>
        <source>Deleting DMX channel(s)</source>
        <translation>DMX-Kanäle löschen</translation>
    </message>
    <message>
        <source>Delete channel(s)?</source>
        <translation>Kanäle löschen?</translation>
    </message>
    <message>
        <source>Delete 1 channel</source>
        <translation>1 Kanal löschen</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels</source>
        <translation>
            <numerusform>%n Kanal löschen</numerusform>
            <numerusform>%n Kanäle löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear data of 1 channel</source>
        <translation>Daten von 1 Kanal löschen</translation>
    </message>
    <message numerus="yes">
        <source>Clear data of %n channels</source>
        <translation>
            <numerusform>Daten von %n Kanal löschen</numerusform>
            <numerusform>Daten von %n Kanälen löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Channels list has already 512 DMX Channels!</source>
        <translation>Die Kanalliste hat bereits 512 DMX-Kanäle!</translation>
    </message>
    <message>
        <source>Copying DMX Channel(s)</source>
        <translation>DMX-Kanäle kopieren</translation>
    </message>
    <message>
        <source>Enter destination of channels copy.</source>
        <translation>Ziel der Kanalkopie eingeben.</translation>
    </message>
    <message>
        <source>Available range: %1 - %2</source>
        <translation>Verfügbarer Bereich: %1 - %2</translation>
    </message>
    <message>
        <source>Copy &amp; paste 1 channel</source>
        <translation>1 Kanal kopieren &amp; einfügen</translation>
    </message>
    <message numerus="yes">
        <source>Copy &amp; paste %n channels</source>
        <translation>
            <numerusform>%n Kanal kopieren &amp; einfügen</numerusform>
            <numerusform>%n Kanäle kopieren &amp; einfügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Maximum of 512 DMX Channels reached!</source>
        <translation>Maximum von 512 DMX-Kanälen erreicht!</translation>
    </message>
    <message>
        <source>Improper selection.</source>
        <translation>Ungültige Auswahl.</translation>
    </message>
    <message>
        <source>Edit description of channel %1</source>
        <translation>Beschreibung von Kanal %1 bearbeiten</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled: %n channels received; the table you had is kept.</source>
        <translation>
            <numerusform>Abgebrochen: %n Kanal empfangen; die bisherige Tabelle bleibt erhalten.</numerusform>
            <numerusform>Abgebrochen: %n Kanäle empfangen; die bisherige Tabelle bleibt erhalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>No data received.</source>
        <translation>Keine Daten empfangen.</translation>
    </message>
    <message>
        <source>Patch fixture</source>
        <translation>Fixture patchen</translation>
    </message>
    <message>
        <source>Fixture definitions (*.qxf);;All files (*)</source>
        <translation>Fixture-Definitionen (*.qxf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Learn from</source>
        <translation>Lernen von</translation>
    </message>
    <message>
        <source>The controller&apos;s MIDI port that &quot;Learn&quot; listens to.</source>
        <translation>Der MIDI-Port des Controllers, auf den „Lernen“ hört.</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Lernen</translation>
    </message>
    <message>
        <source>Fills the edit row from a control moved or notes played on the &quot;Learn from&quot; port.</source>
        <translation>Füllt die Eingabezeile aus einem bewegten Regler oder gespielten Noten am Port „Lernen von“.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Sends the selected row&apos;s message to the device while the button is held.</source>
        <translation>Sendet die Nachricht der gewählten Zeile an das Gerät, solange die Taste gedrückt ist.</translation>
    </message>
    <message>
        <source>Patch fixture...</source>
        <translation>Fixture patchen...</translation>
    </message>
    <message>
        <source>There is no MIDI input port to learn from besides the device&apos;s.</source>
        <translation>Außer dem des Geräts gibt es keinen MIDI-Eingang zum Lernen.</translation>
    </message>
    <message>
        <source>The MIDI input port %1 is not there.</source>
        <translation>Der MIDI-Eingang %1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Move a control or play the notes...</source>
        <translation>Regler bewegen oder Noten spielen...</translation>
    </message>
    <message>
        <source>Learning cancelled.</source>
        <translation>Lernen abgebrochen.</translation>
    </message>
    <message>
        <source>Patching fixture</source>
        <translation>Fixture patchen</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Overwrite?</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Patch fixture %1</source>
        <translation>Fixture %1 patchen</translation>
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
        <translation>Timer:</translation>
    </message>
    <message>
        <source>Events received</source>
        <translation>Empfangene Ereignisse</translation>
    </message>
    <message>
        <source>A double click clears the list.</source>
        <translation>Ein Doppelklick leert die Liste.</translation>
    </message>
    <message>
        <source>Exchange log</source>
        <translation>Austauschprotokoll</translation>
    </message>
    <message>
        <source>Short message queue</source>
        <translation>Warteschlange kurzer Nachrichten</translation>
    </message>
    <message>
        <source>Bootloader information</source>
        <translation>Bootloader-Informationen</translation>
    </message>
    <message>
        <source>Test data</source>
        <translation>Testdaten</translation>
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
        <translation>Beschreibung des DMX-Kanals</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Note: Channel description will be stored in disk file only.</source>
        <translation>Hinweis: Die Kanalbeschreibung wird nur in der Datei gespeichert.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>vantorel::DeviceBackup</name>
    <message>
        <source>is not part of the format</source>
        <translation>gehört nicht zum Format</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>muss ein Objekt sein</translation>
    </message>
    <message>
        <source>must be an array</source>
        <translation>muss ein Array sein</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>must be a whole number from 0 to 4294967295</source>
        <translation>muss eine ganze Zahl von 0 bis 4294967295 sein</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>muss true oder false sein</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>muss ein Text sein</translation>
    </message>
    <message>
        <source>must be %1</source>
        <translation>muss %1 sein</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message numerus="yes">
        <source>must hold %n mode(s), as modes.count says</source>
        <translation>
            <numerusform>muss %n Modus enthalten, wie modes.count angibt</numerusform>
            <numerusform>muss %n Modi enthalten, wie modes.count angibt</numerusform>
        </translation>
    </message>
    <message>
        <source>holds more than %1 channels</source>
        <translation>enthält mehr als %1 Kanäle</translation>
    </message>
    <message>
        <source>is %1, which cannot reach the device: a channel in control mode &quot;Active&quot; has no constant value (it must be 0)</source>
        <translation>ist %1, was das Gerät nicht erreichen kann: Ein Kanal im Steuermodus „Active“ hat keinen konstanten Wert (er muss 0 sein)</translation>
    </message>
    <message>
        <source>%1 appears more than once</source>
        <translation>%1 kommt mehrfach vor</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at byte %2)</source>
        <translation>sie ist kein JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>it holds no backup object</source>
        <translation>sie enthält kein Sicherungsobjekt</translation>
    </message>
    <message>
        <source>it is not a device backup (&quot;format&quot; is not &quot;%1&quot;)</source>
        <translation>sie ist keine Gerätesicherung („format“ ist nicht „%1“)</translation>
    </message>
    <message>
        <source>it was made by a newer version of the program (it has version %1; this program reads version %2)</source>
        <translation>sie wurde von einer neueren Programmversion erstellt (sie hat Version %1; dieses Programm liest Version %2)</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears twice in one object</source>
        <translation>der Schlüssel „%1“ kommt in einem Objekt zweimal vor</translation>
    </message>
    <message>
        <source>must be &quot;P&quot;, &quot;B&quot; or &quot;E&quot;</source>
        <translation>muss „P“, „B“ oder „E“ sein</translation>
    </message>
    <message>
        <source>must be left out for a VANTOREL Pro, which has no Basic/Eco modes</source>
        <translation>muss bei einem VANTOREL Pro fehlen, der keine Basic/Eco-Modi hat</translation>
    </message>
    <message>
        <source>is missing (a %1 has Basic/Eco modes)</source>
        <translation>fehlt (ein %1 hat Basic/Eco-Modi)</translation>
    </message>
    <message>
        <source>The file %1 is not a device backup: it is larger than %2 MiB.</source>
        <translation>Die Datei %1 ist keine Gerätesicherung: Sie ist größer als %2 MiB.</translation>
    </message>
    <message>
        <source>Cannot open the backup file %1: %2.</source>
        <translation>Die Sicherungsdatei %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a valid device backup: %2.</source>
        <translation>Die Datei %1 ist keine gültige Gerätesicherung: %2.</translation>
    </message>
    <message>
        <source>Cannot save the backup file %1: %2</source>
        <translation>Die Sicherungsdatei %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Use Note Off: %1 in the backup, %2 in the device.</source>
        <translation>Use Note Off: %1 in der Sicherung, %2 im Gerät.</translation>
    </message>
    <message>
        <source>CC Zero Value Offset: %1 in the backup, %2 in the device.</source>
        <translation>CC Zero Value Offset: %1 in der Sicherung, %2 im Gerät.</translation>
    </message>
    <message>
        <source>Modes count: %1 in the backup, %2 in the device.</source>
        <translation>Anzahl der Modi: %1 in der Sicherung, %2 im Gerät.</translation>
    </message>
    <message>
        <source>Mode slot %1: type %2, MIDI channel %3, note %4 in the backup; type %5, MIDI channel %6, note %7 in the device.</source>
        <translation>Modusplatz %1: Typ %2, MIDI-Kanal %3, Note %4 in der Sicherung; Typ %5, MIDI-Kanal %6, Note %7 im Gerät.</translation>
    </message>
</context>
<context>
    <name>vantorel::DeviceIdentity</name>
    <message>
        <source>No valid FW in device.</source>
        <translation>Keine gültige Firmware im Gerät.</translation>
    </message>
    <message>
        <source>!!! Device has newer FW version !!!</source>
        <translation>!!! Gerät hat neuere Firmware-Version !!!</translation>
    </message>
    <message>
        <source>Device has the same FW version.</source>
        <translation>Gerät hat dieselbe Firmware-Version.</translation>
    </message>
    <message>
        <source>Device has older FW version.</source>
        <translation>Gerät hat ältere Firmware-Version.</translation>
    </message>
</context>
<context>
    <name>vantorel::DeviceLink</name>
    <message>
        <source>Timeout while waiting for device response.<byte value="xd"/>
Check connections and device mode.<byte value="xd"/>
Mode switch should be in position 8.</source>
        <translation>Zeitüberschreitung beim Warten auf die Antwort des Geräts.</translation>
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
        <translation>Zeitüberschreitung beim Warten auf die Antwort des Geräts.</translation>
    </message>
    <message>
        <source>The MIDI ports are back.</source>
        <translation>Die MIDI-Ports sind wieder da.</translation>
    </message>
    <message>
        <source>The MIDI input port &quot;%1&quot; is gone.</source>
        <translation>Der MIDI-Eingang „%1“ ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The MIDI output port &quot;%1&quot; is gone.</source>
        <translation>Der MIDI-Ausgang „%1“ ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The MIDI input port &quot;%1&quot; is back.</source>
        <translation>Der MIDI-Eingang „%1“ ist wieder da.</translation>
    </message>
    <message>
        <source>The MIDI output port &quot;%1&quot; is back.</source>
        <translation>Der MIDI-Ausgang „%1“ ist wieder da.</translation>
    </message>
    <message>
        <source>The MIDI input receives what the program sends (MIDI thru loop?).</source>
        <translation>Der MIDI-Eingang empfängt, was das Programm sendet (MIDI-Thru-Schleife?).</translation>
    </message>
    <message>
        <source>The program could not keep up with the MIDI input: some received data was lost.</source>
        <translation>Das Programm kam mit dem MIDI-Eingang nicht mit: Einige empfangene Daten gingen verloren.</translation>
    </message>
    <message>
        <source>Reading Basic Modes...</source>
        <translation>Basic-Modi werden gelesen...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a device number.</source>
        <translation>&quot;%1&quot; ist keine Gerätenummer.</translation>
    </message>
</context>
<context>
    <name>vantorel::DeviceOperation</name>
    <message>
        <source>Another device operation is still waiting for the device.</source>
        <translation>Eine andere Geräteoperation wartet noch auf das Gerät.</translation>
    </message>
</context>
<context>
    <name>vantorel::DeviceOperations</name>
    <message>
        <source>Cancelled: the command was sent; the device&apos;s answer was not awaited.</source>
        <translation>Abgebrochen: Der Befehl wurde gesendet; auf die Antwort des Geräts wurde nicht gewartet.</translation>
    </message>
    <message>
        <source>Reseting device...</source>
        <translation>Gerät wird zurückgesetzt...</translation>
    </message>
    <message>
        <source>No action performed.</source>
        <translation>Keine Aktion ausgeführt.</translation>
    </message>
    <message>
        <source>Cleaning device...</source>
        <translation>Gerät wird gelöscht...</translation>
    </message>
    <message>
        <source>Data in device cleaned.</source>
        <translation>Daten im Gerät gelöscht.</translation>
    </message>
    <message>
        <source>Cancelled: the device received the command to clear its data and may still be clearing it.</source>
        <translation>Abgebrochen: Das Gerät hat den Befehl zum Löschen seiner Daten erhalten und löscht sie eventuell noch.</translation>
    </message>
    <message>
        <source>Reading data...</source>
        <translation>Daten werden gelesen...</translation>
    </message>
    <message>
        <source>Data ready.</source>
        <translation>Daten bereit.</translation>
    </message>
    <message>
        <source>No data received.</source>
        <translation>Keine Daten empfangen.</translation>
    </message>
    <message>
        <source>The CC zero value offset must lie between 0 and 10.</source>
        <translation>Der CC Zero Value Offset muss zwischen 0 und 10 liegen.</translation>
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
        <translation>Undef. (0xF4)</translation>
    </message>
    <message>
        <source>Undef (0xF5)</source>
        <translation>Undef. (0xF5)</translation>
    </message>
    <message>
        <source>Tune Request (0xF6)</source>
        <translation>Tune Request (0xF6)</translation>
    </message>
    <message>
        <source>No system common message is selected.</source>
        <translation>Keine System-Common-Nachricht ausgewählt.</translation>
    </message>
</context>
<context>
    <name>vantorel::DeviceOptionsPage</name>
    <message>
        <source>Use Note Off</source>
        <translation>Note Off verwenden</translation>
    </message>
    <message>
        <source>Set Note Off action in predefined Modes</source>
        <translation>Note-Off-Aktion für Vorgabemodi setzen</translation>
    </message>
    <message>
        <source>CC Zero Value Offset</source>
        <translation>CC Zero Value Offset</translation>
    </message>
    <message>
        <source>Set CC Zero Value Offset</source>
        <translation>CC Zero Value Offset setzen</translation>
    </message>
</context>
<context>
    <name>vantorel::DeviceScan</name>
    <message>
        <source>Looking for devices...</source>
        <translation>Suche nach Geräten...</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled: %n device(s) found so far.</source>
        <translation>
            <numerusform>Abgebrochen: Bisher %n Gerät gefunden.</numerusform>
            <numerusform>Abgebrochen: Bisher %n Geräte gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>No device found.</source>
        <translation>Kein Gerät gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) found.</source>
        <translation>
            <numerusform>%n Gerät gefunden.</numerusform>
            <numerusform>%n Geräte gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another operation is running: the device was not confirmed.</source>
        <translation>Eine andere Operation läuft: Das Gerät wurde nicht bestätigt.</translation>
    </message>
    <message>
        <source>Device %1 could not be confirmed on %2 / %3: nothing was sent. %4</source>
        <translation>Gerät %1 konnte an %2 / %3 nicht bestätigt werden: Es wurde nichts gesendet. %4</translation>
    </message>
    <message>
        <source>A port is gone.</source>
        <translation>Ein Port ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The ports could not be opened.</source>
        <translation>Die Ports konnten nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>No answer with its ID came on that input.</source>
        <translation>Auf diesem Eingang kam keine Antwort mit seiner ID.</translation>
    </message>
    <message>
        <source>The MIDI input port &quot;%1&quot; could not be opened.</source>
        <translation>Der MIDI-Eingang „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The MIDI output port &quot;%1&quot; could not be opened.</source>
        <translation>Der MIDI-Ausgang „%1“ konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>vantorel::FirmwarePage</name>
    <message>
        <source>Uploader:</source>
        <translation>Uploader:</translation>
    </message>
    <message>
        <source>Firmware date:</source>
        <translation>Firmware-Datum:</translation>
    </message>
    <message>
        <source>Firmware type:</source>
        <translation>Firmware-Typ:</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Gerät:</translation>
    </message>
    <message>
        <source>Bootloader date:</source>
        <translation>Bootloader-Datum:</translation>
    </message>
    <message>
        <source>Device ID:</source>
        <translation>Geräte-ID:</translation>
    </message>
    <message>
        <source>Device type:</source>
        <translation>Gerätetyp:</translation>
    </message>
    <message>
        <source>Interface test passes OK:</source>
        <translation>Schnittstellentest OK:</translation>
    </message>
    <message>
        <source>Last loaded: </source>
        <translation>Zuletzt geladen: </translation>
    </message>
    <message>
        <source>Firmware upload mode</source>
        <translation>Firmware-Upload-Modus</translation>
    </message>
    <message>
        <source>Read BL &amp;&amp; FW version</source>
        <translation>BL- &amp;&amp; FW-Version lesen</translation>
    </message>
    <message>
        <source>Upload FW if newer</source>
        <translation>FW laden, wenn neuer</translation>
    </message>
    <message>
        <source>Upload FW if same or older</source>
        <translation>FW laden, wenn gleich/älter</translation>
    </message>
    <message>
        <source>Interface test</source>
        <translation>Schnittstellentest</translation>
    </message>
    <message>
        <source>Restart device</source>
        <translation>Gerät neu starten</translation>
    </message>
    <message>
        <source>Load firmware file</source>
        <translation>Firmware-Datei laden</translation>
    </message>
    <message>
        <source>Read device type</source>
        <translation>Gerätetyp lesen</translation>
    </message>
    <message>
        <source>Enter Programming Mode for VANTOREL Basic/Eco</source>
        <translation>Programmiermodus für VANTOREL Basic/Eco</translation>
    </message>
    <message>
        <source>Set Device ID</source>
        <translation>Geräte-ID setzen</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>Geräte-ID</translation>
    </message>
    <message>
        <source>Send Common Msg -&gt;&gt;</source>
        <translation>Common-Msg senden -&gt;&gt;</translation>
    </message>
    <message>
        <source>System common message</source>
        <translation>System-Common-Nachricht</translation>
    </message>
    <message>
        <source>Button2</source>
        <translation>Button2</translation>
    </message>
    <message>
        <source>Reopen the MIDI ports</source>
        <translation>MIDI-Ports neu öffnen</translation>
    </message>
    <message>
        <source>Waiting for device...</source>
        <translation>Warte auf Gerät...</translation>
    </message>
    <message>
        <source>Firmware Files (*.bix);;All files (*.*)</source>
        <translation>Firmware-Dateien (*.bix);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>%1 in the file &quot;%2&quot;.</source>
        <translation>%1 in der Datei „%2“.</translation>
    </message>
</context>
<context>
    <name>vantorel::FirmwareService</name>
    <message>
        <source>Reading Device ID...</source>
        <translation>Geräte-ID wird gelesen...</translation>
    </message>
    <message>
        <source>Reading BL date...</source>
        <translation>Bootloader-Datum wird gelesen...</translation>
    </message>
    <message>
        <source>Reading FW date...</source>
        <translation>Firmware-Datum wird gelesen...</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>The device ID must be a number from 0 to 4294967295.</source>
        <translation>Die Geräte-ID muss eine Zahl von 0 bis 4294967295 sein.</translation>
    </message>
    <message>
        <source>Writing device number...</source>
        <translation>Gerätenummer wird geschrieben...</translation>
    </message>
    <message>
        <source>Waiting for device...</source>
        <translation>Warte auf Gerät...</translation>
    </message>
    <message>
        <source>The device did not confirm the upload.</source>
        <translation>Das Gerät hat den Upload nicht bestätigt.</translation>
    </message>
    <message>
        <source>Going to work...</source>
        <translation>Wechsel in den Betrieb...</translation>
    </message>
    <message>
        <source>Device reset...</source>
        <translation>Geräte-Reset...</translation>
    </message>
    <message>
        <source> Cheksum Error!!!</source>
        <translation> Prüfsummenfehler!!!</translation>
    </message>
    <message>
        <source>        Upgrade ready...</source>
        <translation>        Upgrade fertig...</translation>
    </message>
    <message>
        <source>Sending test data...</source>
        <translation>Testdaten werden gesendet...</translation>
    </message>
    <message>
        <source>Receiving test data...</source>
        <translation>Testdaten werden empfangen...</translation>
    </message>
    <message>
        <source>Test data received...</source>
        <translation>Testdaten empfangen...</translation>
    </message>
    <message>
        <source>Upload INIT...</source>
        <translation>Upload-INIT...</translation>
    </message>
    <message>
        <source>Upload check failed.</source>
        <translation>Upload-Prüfung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Reseting device...</source>
        <translation>Gerät wird zurückgesetzt...</translation>
    </message>
    <message>
        <source>Device restarted.</source>
        <translation>Gerät neu gestartet.</translation>
    </message>
    <message>
        <source>The device stays in its bootloader until it is restarted (&quot;Restart device&quot;) or power-cycled.</source>
        <translation>Das Gerät bleibt im Bootloader, bis es neu gestartet („Gerät neu starten“) oder aus- und wieder eingeschaltet wird.</translation>
    </message>
    <message>
        <source>The device did not restart: switch its power off and on to leave the bootloader.</source>
        <translation>Das Gerät ist nicht neu gestartet: Zum Verlassen des Bootloaders aus- und wieder einschalten.</translation>
    </message>
    <message>
        <source>Queue error 001</source>
        <translation>Queue-Fehler 001</translation>
    </message>
    <message>
        <source>No response from device, HS 1</source>
        <translation>Keine Antwort vom Gerät, HS 1</translation>
    </message>
    <message>
        <source>Cancelled: no firmware block was sent; the device waits in its bootloader.</source>
        <translation>Abgebrochen: Es wurde kein Firmware-Block gesendet; das Gerät wartet im Bootloader.</translation>
    </message>
    <message>
        <source>No response from device, HS 2</source>
        <translation>Keine Antwort vom Gerät, HS 2</translation>
    </message>
    <message>
        <source>Init timeout</source>
        <translation>Init-Zeitüberschreitung</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled: %1 of %n firmware blocks sent; the device waits in its bootloader for a new upload.</source>
        <translation>
            <numerusform>Abgebrochen: %1 von %n Firmware-Block gesendet; das Gerät wartet im Bootloader auf einen neuen Upload.</numerusform>
            <numerusform>Abgebrochen: %1 von %n Firmware-Blöcken gesendet; das Gerät wartet im Bootloader auf einen neuen Upload.</numerusform>
        </translation>
    </message>
    <message>
        <source>Block write timeout...</source>
        <translation>Zeitüberschreitung beim Blockschreiben...</translation>
    </message>
    <message>
        <source>Cancelled: the interface test was stopped before its test block was sent; the device waits in its bootloader.</source>
        <translation>Abgebrochen: Der Schnittstellentest wurde vor dem Senden seines Testblocks gestoppt; das Gerät wartet im Bootloader.</translation>
    </message>
    <message>
        <source>Iface test init failed...</source>
        <translation>Init des Schnittstellentests fehlgeschlagen...</translation>
    </message>
    <message>
        <source>Queue error 0</source>
        <translation>Queue-Fehler 0</translation>
    </message>
    <message>
        <source>Queue error 1</source>
        <translation>Queue-Fehler 1</translation>
    </message>
    <message>
        <source>Iface test HS failed...</source>
        <translation>Handshake des Schnittstellentests fehlgeschlagen...</translation>
    </message>
    <message>
        <source>Queue error 2</source>
        <translation>Queue-Fehler 2</translation>
    </message>
    <message>
        <source>No data request from device...</source>
        <translation>Keine Datenanforderung vom Gerät...</translation>
    </message>
    <message>
        <source>Transfer test passed...</source>
        <translation>Übertragungstest bestanden...</translation>
    </message>
    <message>
        <source>Queue error 4</source>
        <translation>Queue-Fehler 4</translation>
    </message>
    <message>
        <source>No response - iface chk client confirm.</source>
        <translation>Keine Antwort - Bestätigung der Schnittstellenprüfung fehlt.</translation>
    </message>
</context>
<context>
    <name>vantorel::FirmwareUpload</name>
    <message>
        <source>Transfering data block #%1</source>
        <translation>Übertrage Datenblock #%1</translation>
    </message>
    <message>
        <source>Reading data...</source>
        <translation>Daten werden gelesen...</translation>
    </message>
    <message>
        <source>No data received.</source>
        <translation>Keine Daten empfangen.</translation>
    </message>
</context>
<context>
    <name>vantorel::FixtureFile</name>
    <message>
        <source>it declares entities, which fixture definitions never need.</source>
        <translation>sie deklariert Entities, die Fixture-Definitionen nie brauchen.</translation>
    </message>
    <message>
        <source>it refers to the entity &quot;%1&quot;.</source>
        <translation>sie verweist auf die Entity „%1“.</translation>
    </message>
    <message>
        <source>%1 (line %2, column %3).</source>
        <translation>%1 (Zeile %2, Spalte %3).</translation>
    </message>
    <message>
        <source>it is not a fixture definition.</source>
        <translation>sie ist keine Fixture-Definition.</translation>
    </message>
    <message>
        <source>its elements nest deeper than %1 levels.</source>
        <translation>ihre Elemente sind tiefer als %1 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <source>a channel of the mode &quot;%1&quot; has no number.</source>
        <translation>ein Kanal des Modus „%1“ hat keine Nummer.</translation>
    </message>
    <message>
        <source>it defines no mode.</source>
        <translation>sie definiert keinen Modus.</translation>
    </message>
    <message>
        <source>the mode &quot;%1&quot; uses the channel &quot;%2&quot;, which the file does not define.</source>
        <translation>der Modus „%1“ verwendet den Kanal „%2“, den die Datei nicht definiert.</translation>
    </message>
    <message>
        <source>the mode &quot;%1&quot; numbers its channels wrongly (channel number %2).</source>
        <translation>der Modus „%1“ nummeriert seine Kanäle falsch (Kanalnummer %2).</translation>
    </message>
    <message>
        <source>The fixture file %1 is refused: it is larger than %2.</source>
        <translation>Die Fixture-Datei %1 wird abgelehnt: Sie ist größer als %2.</translation>
    </message>
    <message>
        <source>The fixture file %1 is refused: %2</source>
        <translation>Die Fixture-Datei %1 wird abgelehnt: %2</translation>
    </message>
    <message>
        <source>Cannot open the fixture file %1: %2</source>
        <translation>Die Fixture-Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>vantorel::FixturePatch</name>
    <message>
        <source>The start DMX channel must be from 1 to 512.</source>
        <translation>Der DMX-Startkanal muss zwischen 1 und 512 liegen.</translation>
    </message>
    <message>
        <source>The mode &quot;%1&quot; has no channels.</source>
        <translation>Der Modus „%1“ hat keine Kanäle.</translation>
    </message>
    <message>
        <source>The mode &quot;%1&quot; has %2 channels: from DMX channel %3 on they would end on %4, past DMX channel 512.</source>
        <translation>Der Modus „%1“ hat %2 Kanäle: Ab DMX-Kanal %3 würden sie bei %4 enden, hinter DMX-Kanal 512.</translation>
    </message>
    <message>
        <source>DMX channel %1 already has another description.</source>
        <translation>DMX-Kanal %1 hat bereits eine andere Beschreibung.</translation>
    </message>
    <message>
        <source>DMX channels %1 already have another description.</source>
        <translation>DMX-Kanäle %1 haben bereits eine andere Beschreibung.</translation>
    </message>
    <message>
        <source>DMX channels %1 and %2 more already have another description.</source>
        <translation>DMX-Kanäle %1 und %2 weitere haben bereits eine andere Beschreibung.</translation>
    </message>
</context>
<context>
    <name>vantorel::Gesture</name>
    <message>
        <source>The gesture mixes %1 on MIDI channel %2 and %3 on MIDI channel %4: move one control at a time.</source>
        <translation>Die Geste mischt %1 auf MIDI-Kanal %2 und %3 auf MIDI-Kanal %4: Bewegen Sie nur ein Bedienelement auf einmal.</translation>
    </message>
</context>
<context>
    <name>vantorel::InterfaceTest</name>
    <message>
        <source>Test Failed - length diff out/in: len: %1/%2 </source>
        <translation>Test fehlgeschlagen - Längenunterschied aus/ein: Länge: %1/%2 </translation>
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
        <translation>Button1</translation>
    </message>
    <message>
        <source>Lists the texts of the main window.</source>
        <translation>Listet die Texte des Hauptfensters auf.</translation>
    </message>
    <message>
        <source>Texts of the main window</source>
        <translation>Texte des Hauptfensters</translation>
    </message>
</context>
<context>
    <name>vantorel::LearnSession</name>
    <message>
        <source>Cannot open the MIDI input port %1.</source>
        <translation>Der MIDI-Eingang %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Nothing received from %1.</source>
        <translation>Nichts von %1 empfangen.</translation>
    </message>
    <message>
        <source>Learned: %1.</source>
        <translation>Gelernt: %1.</translation>
    </message>
</context>
<context>
    <name>vantorel::MainWindow</name>
    <message>
        <source>A transfer is running. Stop it and close?</source>
        <translation>Eine Übertragung läuft. Abbrechen und schließen?</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>The table was not saved to a file.</source>
        <translation>Die Tabelle wurde nicht in einer Datei gespeichert.</translation>
    </message>
    <message>
        <source>The table came from %1.</source>
        <translation>Die Tabelle stammt aus %1.</translation>
    </message>
    <message>
        <source>%1 (connected)</source>
        <translation>%1 (verbunden)</translation>
    </message>
    <message>
        <source>Find device</source>
        <translation>Gerät suchen</translation>
    </message>
    <message>
        <source>Devices found:</source>
        <translation>Gefundene Geräte:</translation>
    </message>
    <message>
        <source>%1; Ver: %2</source>
        <translation>%1; Ver.: %2</translation>
    </message>
    <message>
        <source>File and device operations</source>
        <translation>Datei- und Geräteoperationen</translation>
    </message>
    <message>
        <source>Back up device...</source>
        <translation>Gerät sichern...</translation>
    </message>
    <message>
        <source>Restore device...</source>
        <translation>Gerät wiederherstellen...</translation>
    </message>
    <message>
        <source>Clear data in device</source>
        <translation>Gerätedaten löschen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>User Mode Tools</source>
        <translation>User-Mode-Werkzeuge</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Sprache der Oberfläche</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>MIDI Input</source>
        <translation>MIDI-Eingang</translation>
    </message>
    <message>
        <source>MIDI Output</source>
        <translation>MIDI-Ausgang</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Asks every pair of MIDI ports for a device.</source>
        <translation>Fragt jedes MIDI-Portpaar nach einem Gerät.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>User Mode channels settings</source>
        <translation>User-Mode-Kanäle</translation>
    </message>
    <message>
        <source>Additional Settings</source>
        <translation>Weitere Einstellungen</translation>
    </message>
    <message>
        <source>Basic/Eco modes configuration</source>
        <translation>Basic/Eco-Modi</translation>
    </message>
    <message>
        <source>Firmware Upload</source>
        <translation>Firmware-Upload</translation>
    </message>
    <message>
        <source>No connection with device</source>
        <translation>Keine Verbindung zum Gerät</translation>
    </message>
    <message>
        <source>%1, ID %2: %3 / %4</source>
        <translation>%1, ID %2: %3 / %4</translation>
    </message>
    <message>
        <source>The device on %1 answered, but the output that reaches it is not known.</source>
        <translation>Das Gerät an %1 hat geantwortet, aber der Ausgang, über den es erreichbar ist, ist unbekannt.</translation>
    </message>
    <message>
        <source>Device chosen: %1</source>
        <translation>Gerät gewählt: %1</translation>
    </message>
    <message>
        <source>%1, ID %2</source>
        <translation>%1, ID %2</translation>
    </message>
    <message>
        <source>Waiting for device...</source>
        <translation>Warte auf Gerät...</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
    <message>
        <source>The MIDI input port &quot;%1&quot; is gone.</source>
        <translation>Der MIDI-Eingang „%1“ ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The MIDI output port &quot;%1&quot; is gone.</source>
        <translation>Der MIDI-Ausgang „%1“ ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Back up device</source>
        <translation>Gerät sichern</translation>
    </message>
    <message>
        <source>Device backup files (*.json);;All files (*)</source>
        <translation>Gerätesicherungen (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Restore device</source>
        <translation>Gerät wiederherstellen</translation>
    </message>
    <message>
        <source>Backup saved to %1.</source>
        <translation>Sicherung in %1 gespeichert.</translation>
    </message>
    <message>
        <source>%1 Nothing was sent to the device.</source>
        <translation>%1 Es wurde nichts an das Gerät gesendet.</translation>
    </message>
    <message>
        <source>The backup is of a %1, the device is a %2.<byte value="xd"/>
Restore it anyway?</source>
        <translation>Die Sicherung stammt von einem %1, das Gerät ist ein %2.</translation>
    </message>
    <message>
        <source>The restore did not finish.</source>
        <translation>Die Wiederherstellung wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>The unsaved channel table of the last run cannot be restored (%1): %2. The file is left where it is.</source>
        <translation>Die nicht gespeicherte Kanaltabelle der letzten Sitzung kann nicht wiederhergestellt werden (%1): %2. Die Datei bleibt, wo sie ist.</translation>
    </message>
    <message>
        <source>The unsaved channel table of the last run cannot be restored (%1): %2. The file is kept as %3.</source>
        <translation>Die nicht gespeicherte Kanaltabelle der letzten Sitzung kann nicht wiederhergestellt werden (%1): %2. Die Datei wird als %3 aufbewahrt.</translation>
    </message>
    <message numerus="yes">
        <source>The program did not end properly last time. Restore the unsaved channel table (%n channels, kept %1)?</source>
        <translation>
            <numerusform>Das Programm wurde beim letzten Mal nicht ordnungsgemäß beendet. Die ungespeicherte Kanaltabelle wiederherstellen (%n Kanal, gesichert %1)?</numerusform>
            <numerusform>Das Programm wurde beim letzten Mal nicht ordnungsgemäß beendet. Die ungespeicherte Kanaltabelle wiederherstellen (%n Kanäle, gesichert %1)?</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved changes</source>
        <translation>Ungespeicherte Änderungen wiederherstellen</translation>
    </message>
</context>
<context>
    <name>vantorel::MessagePanel</name>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Every status text and error of this run with its time; Ctrl+C copies.</source>
        <translation>Jeder Statustext und Fehler dieser Sitzung mit Uhrzeit; Strg+C kopiert.</translation>
    </message>
</context>
<context>
    <name>vantorel::MidiPorts</name>
    <message>
        <source>MIDI Input Device %1 not installed </source>
        <translation>MIDI-Eingabegerät %1 nicht installiert </translation>
    </message>
    <message>
        <source>The MIDI input could not be started.</source>
        <translation>Der MIDI-Eingang konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The MIDI output port is not open.</source>
        <translation>Der MIDI-Ausgang ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>MIDI output Device %1 not installed</source>
        <translation>MIDI-Ausgabegerät %1 nicht installiert</translation>
    </message>
    <message>
        <source>MIDI Output device not open</source>
        <translation>MIDI-Ausgabegerät nicht geöffnet</translation>
    </message>
    <message>
        <source>The SysEx message is too long to send.</source>
        <translation>Die SysEx-Nachricht ist zu lang zum Senden.</translation>
    </message>
    <message>
        <source>There is no MIDI input port %1.</source>
        <translation>Es gibt keinen MIDI-Eingang %1.</translation>
    </message>
    <message>
        <source>There is no MIDI output port %1.</source>
        <translation>Es gibt keinen MIDI-Ausgang %1.</translation>
    </message>
    <message>
        <source>The MIDI input port %1 could not be opened.</source>
        <translation>Der MIDI-Eingang %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The MIDI input port is closed.</source>
        <translation>Der MIDI-Eingang ist geschlossen.</translation>
    </message>
    <message>
        <source>The MIDI output port %1 could not be opened.</source>
        <translation>Der MIDI-Ausgang %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>There are no MIDI bytes to send.</source>
        <translation>Es gibt keine MIDI-Bytes zu senden.</translation>
    </message>
    <message>
        <source>The MIDI message of %1 bytes is longer than the JACK port takes (%2 bytes).</source>
        <translation>Die MIDI-Nachricht mit %1 Bytes ist länger, als der JACK-Port annimmt (%2 Bytes).</translation>
    </message>
    <message>
        <source>This MIDI system is not available on this platform.</source>
        <translation>Dieses MIDI-System ist auf dieser Plattform nicht verfügbar.</translation>
    </message>
    <message>
        <source>Cannot load the JACK library: %1</source>
        <translation>Die JACK-Bibliothek kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>Cannot connect to the JACK server: is it running?</source>
        <translation>Keine Verbindung zum JACK-Server: Läuft er?</translation>
    </message>
    <message>
        <source>Cannot open the JACK client %1.</source>
        <translation>Der JACK-Client %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot activate the JACK client %1.</source>
        <translation>Der JACK-Client %1 kann nicht aktiviert werden.</translation>
    </message>
    <message>
        <source>The JACK server has stopped.</source>
        <translation>Der JACK-Server läuft nicht mehr.</translation>
    </message>
    <message>
        <source>The JACK server takes no more MIDI messages.</source>
        <translation>Der JACK-Server nimmt keine weiteren MIDI-Nachrichten an.</translation>
    </message>
</context>
<context>
    <name>vantorel::ModesOperations</name>
    <message>
        <source>No data received.</source>
        <translation>Keine Daten empfangen.</translation>
    </message>
    <message>
        <source>Writing data to device finished succesfully.</source>
        <translation>Schreiben der Daten in das Gerät erfolgreich beendet.</translation>
    </message>
    <message>
        <source>Writing data to device failed</source>
        <translation>Schreiben der Daten in das Gerät fehlgeschlagen</translation>
    </message>
    <message>
        <source>Reading data...</source>
        <translation>Daten werden gelesen...</translation>
    </message>
    <message>
        <source>Data ready.</source>
        <translation>Daten bereit.</translation>
    </message>
    <message>
        <source>Invalid Basic/Eco mode: slot %1, mode %2, MIDI channel %3, note %4.</source>
        <translation>Ungültiger Basic/Eco-Modus: Platz %1, Modus %2, MIDI-Kanal %3, Note %4.</translation>
    </message>
    <message>
        <source>Writing data to device...</source>
        <translation>Daten werden in das Gerät geschrieben...</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled: %1 of %n mode(s) stored.</source>
        <translation>
            <numerusform>Abgebrochen: %1 von %n Modus gespeichert.</numerusform>
            <numerusform>Abgebrochen: %1 von %n Modi gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>The number of Basic/Eco modes must lie between 1 and %1.</source>
        <translation>Die Anzahl der Basic/Eco-Modi muss zwischen 1 und %1 liegen.</translation>
    </message>
</context>
<context>
    <name>vantorel::ModesPage</name>
    <message>
        <source>This page is for VANTOREL Basic/Eco device only and will be not visible when VANTOREL Pro will be indentified.</source>
        <translation>Diese Seite gilt nur für VANTOREL Basic/Eco-Geräte und wird ausgeblendet, wenn ein VANTOREL Pro erkannt wird.</translation>
    </message>
    <message>
        <source>Basic/Eco modes count:</source>
        <translation>Anzahl Basic/Eco-Modi:</translation>
    </message>
    <message>
        <source>Basic/Eco modes count</source>
        <translation>Anzahl Basic/Eco-Modi</translation>
    </message>
    <message>
        <source>Store number to device</source>
        <translation>Anzahl in Gerät speichern</translation>
    </message>
    <message>
        <source>Read Modes from device</source>
        <translation>Modi aus Gerät lesen</translation>
    </message>
    <message>
        <source>Store Modes to device</source>
        <translation>Modi in Gerät speichern</translation>
    </message>
    <message>
        <source>Reset Modes to default</source>
        <translation>Modi zurücksetzen</translation>
    </message>
    <message>
        <source>Restart device</source>
        <translation>Gerät neu starten</translation>
    </message>
    <message>
        <source>Basic/Eco Mode #%1</source>
        <translation>Basic/Eco-Modus #%1</translation>
    </message>
    <message>
        <source>MIDI Channel #%1</source>
        <translation>MIDI-Kanal #%1</translation>
    </message>
    <message>
        <source>Note=xx #%1</source>
        <translation>Note=xx #%1</translation>
    </message>
    <message>
        <source>Note of Basic/Eco Mode #%1</source>
        <translation>Notiz zu Basic/Eco-Modus #%1</translation>
    </message>
    <message>
        <source>Error while preparing dispaly data - component not found!</source>
        <translation>Fehler beim Vorbereiten der Anzeigedaten - Komponente nicht gefunden!</translation>
    </message>
    <message>
        <source>Invalid Basic/Eco mode data received from device (slot %1: mode %2, MIDI channel %3, note %4).</source>
        <translation>Ungültige Basic/Eco-Modusdaten vom Gerät empfangen (Platz %1: Modus %2, MIDI-Kanal %3, Note %4).</translation>
    </message>
</context>
<context>
    <name>vantorel::OperationProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stops the running operation (Esc).</source>
        <translation>Stoppt den laufenden Vorgang (Esc).</translation>
    </message>
    <message>
        <source>Progress of the operation</source>
        <translation>Fortschritt des Vorgangs</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 of %2 s</source>
        <translation>%1 von %2 s</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 von %3</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>blocks</source>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>verifying rows</source>
        <translation>geprüfte Zeilen</translation>
    </message>
</context>
<context>
    <name>vantorel::PatchFixtureDialog</name>
    <message>
        <source>Patch fixture</source>
        <translation>Fixture patchen</translation>
    </message>
    <message>
        <source>DMX channel of the fixture&apos;s first channel</source>
        <translation>DMX-Kanal des ersten Fixture-Kanals</translation>
    </message>
    <message>
        <source>Begins the description of each of the fixture&apos;s channels</source>
        <translation>Beginn der Beschreibung jedes Fixture-Kanals</translation>
    </message>
    <message>
        <source>MH 2</source>
        <comment>an example fixture name: moving head 2</comment>
        <translation>MH 2</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Start DMX channel</source>
        <translation>DMX-Startkanal</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>%1 (1 channel)</source>
        <translation>%1 (1 Kanal)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n channels)</source>
        <translation>
            <numerusform>%1 (%n Kanal)</numerusform>
            <numerusform>%1 (%n Kanäle)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantorel::PortListBox</name>
    <message>
        <source>%1 (gone)</source>
        <translation>%1 (fehlt)</translation>
    </message>
</context>
<context>
    <name>vantorel::Reply</name>
    <message>
        <source>Device cleaned.</source>
        <translation>Gerät gelöscht.</translation>
    </message>
    <message>
        <source>Sending next block.</source>
        <translation>Nächster Block wird gesendet.</translation>
    </message>
    <message>
        <source>Reset device done.</source>
        <translation>Geräte-Reset ausgeführt.</translation>
    </message>
    <message>
        <source>Device Number Written.</source>
        <translation>Gerätenummer geschrieben.</translation>
    </message>
    <message>
        <source>Writing Basic modes...</source>
        <translation>Basic-Modi werden geschrieben...</translation>
    </message>
    <message>
        <source>Reset Basic modes done.</source>
        <translation>Basic-Modi zurückgesetzt.</translation>
    </message>
    <message>
        <source>Writing Basic modes count...</source>
        <translation>Anzahl der Basic-Modi wird geschrieben...</translation>
    </message>
    <message>
        <source>Note Off activity changed.</source>
        <translation>Note-Off-Verhalten geändert.</translation>
    </message>
    <message>
        <source>Programming mode entered.</source>
        <translation>Programmiermodus aktiv.</translation>
    </message>
    <message>
        <source>Zero Value Offset changed.</source>
        <translation>Zero Value Offset geändert.</translation>
    </message>
</context>
<context>
    <name>vantorel::RowColoursDialog</name>
    <message>
        <source>Note On Actve line</source>
        <translation>Zeile Note On Active</translation>
    </message>
    <message>
        <source>Color of the line where DMX Channel is activated on Note On message using NO Velocity value.</source>
        <translation>Farbe der Zeile, deren DMX-Kanal durch eine Note-On-Nachricht mit ihrem Velocity-Wert aktiviert wird.</translation>
    </message>
    <message>
        <source>Note On Value line</source>
        <translation>Zeile Note On Value</translation>
    </message>
    <message>
        <source>Color of the line where DMX Channel is activated on Note On message using fixed Velocity value.</source>
        <translation>Farbe der Zeile, deren DMX-Kanal durch eine Note-On-Nachricht mit festem Velocity-Wert aktiviert wird.</translation>
    </message>
    <message>
        <source>Control Change Active line</source>
        <translation>Zeile Control Change Active</translation>
    </message>
    <message>
        <source>Color of the line where DMX Channel is activated on Control Change message using CC value.</source>
        <translation>Farbe der Zeile, deren DMX-Kanal durch eine Control-Change-Nachricht mit ihrem CC-Wert aktiviert wird.</translation>
    </message>
    <message>
        <source>Control Change Value line</source>
        <translation>Zeile Control Change Value</translation>
    </message>
    <message>
        <source>Color of the line where DMX Channel is activated on Control Change message using constant value.</source>
        <translation>Farbe der Zeile, deren DMX-Kanal durch eine Control-Change-Nachricht mit konstantem Wert aktiviert wird.</translation>
    </message>
    <message>
        <source>DMX Always Value line</source>
        <translation>Zeile DMX immer Value</translation>
    </message>
    <message>
        <source>Color of the line where DMX Channel is always switched on.</source>
        <translation>Farbe der Zeile, deren DMX-Kanal immer eingeschaltet ist.</translation>
    </message>
    <message>
        <source>DMXUser Settings</source>
        <translation>DMXUser-Einstellungen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>das Fenster hat keine Seiten</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>vantorel::SettingsFiles</name>
    <message>
        <source>Nie udało się utworzyć katalogu ustawień programu: %1</source>
        <translation>Der Ordner für die Programmeinstellungen konnte nicht angelegt werden: %1</translation>
    </message>
</context>
<context>
    <name>vantorel::StatusLine</name>
    <message>
        <source>... (details)</source>
        <translation>... (Details)</translation>
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
        <translation>Firmware-Typ und Gerätetyp passen nicht zusammen!</translation>
    </message>
</context>
<context>
    <name>vantorel::main</name>
    <message>
        <source>No MIDI ports available in this system or another general MIDI error.<byte value="xd"/>
<byte value="xd"/>
Application will be shut down.</source>
        <translation>Keine MIDI-Ports in diesem System verfügbar oder anderer allgemeiner MIDI-Fehler.</translation>
    </message>
</context>
<context>
    <name>vantorelctl</name>
    <message>
        <source>&apos;backup&apos; takes one argument: the backup file to write.</source>
        <translation>&apos;backup&apos; erwartet ein Argument: die zu schreibende Sicherungsdatei.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Backup saved to %1.</source>
        <translation>Sicherung in %1 gespeichert.</translation>
    </message>
    <message>
        <source>&apos;restore&apos; takes one argument: the backup file.</source>
        <translation>&apos;restore&apos; erwartet ein Argument: die Sicherungsdatei.</translation>
    </message>
    <message>
        <source>Use --force to restore it to this device anyway.</source>
        <translation>Mit --force wird sie trotzdem auf diesem Gerät wiederhergestellt.</translation>
    </message>
    <message>
        <source>The restore did not finish.</source>
        <translation>Die Wiederherstellung wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>&apos;channels read&apos; takes at most one argument: the file to write.</source>
        <translation>&apos;channels read&apos; erwartet höchstens ein Argument: die zu schreibende Datei.</translation>
    </message>
    <message>
        <source>Received channel %1.</source>
        <translation>Kanal %1 empfangen.</translation>
    </message>
    <message>
        <source>Channel %1 received again: it replaces the earlier one.</source>
        <translation>Kanal %1 erneut empfangen: er ersetzt den früheren.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The device&apos;s channel table changed or was cut short while it was read: nothing was written.</source>
        <translation>Die Kanaltabelle des Geräts hat sich beim Lesen geändert oder wurde abgeschnitten: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>No user data in device.</source>
        <translation>Keine Benutzerdaten im Gerät.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) received.</source>
        <translation>
            <numerusform>%n Kanal empfangen.</numerusform>
            <numerusform>%n Kanäle empfangen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The channel table was not read completely: nothing was written.</source>
        <translation>Die Kanaltabelle wurde nicht vollständig gelesen: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Channels may have been lost on the MIDI input: nothing was written.</source>
        <translation>Am MIDI-Eingang sind eventuell Kanäle verloren gegangen: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>No channels to write: nothing was written.</source>
        <translation>Keine Kanäle zu schreiben: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot write to standard output.</source>
        <translation>Schreiben auf die Standardausgabe nicht möglich.</translation>
    </message>
    <message>
        <source>Nothing to write...</source>
        <translation>Nichts zu schreiben...</translation>
    </message>
    <message>
        <source>Nothing was sent to the device.</source>
        <translation>Es wurde nichts an das Gerät gesendet.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one argument: the channel settings file (*.csv).</source>
        <translation>&apos;%1&apos; erwartet ein Argument: die Kanaleinstellungsdatei (*.csv).</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n channel(s) differed from the device and were written.</source>
        <translation>
            <numerusform>%1 von %n Kanal wich vom Gerät ab und wurde geschrieben.</numerusform>
            <numerusform>%1 von %n Kanälen wichen vom Gerät ab und wurden geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel %1 written (%2 of %3).</source>
        <translation>Kanal %1 geschrieben (%2 von %3).</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n channel(s) written.</source>
        <translation>
            <numerusform>%1 von %n Kanal geschrieben.</numerusform>
            <numerusform>%1 von %n Kanälen geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Try &apos;vantorelctl --help&apos;.</source>
        <translation>Siehe &apos;vantorelctl --help&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no file.</source>
        <translation>&apos;%1&apos; bezeichnet keine Datei.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 ist ein Ordner.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no arguments.</source>
        <translation>&apos;%1&apos; erwartet keine Argumente.</translation>
    </message>
    <message>
        <source>--note-off takes &apos;on&apos; or &apos;off&apos;, not &apos;%1&apos;.</source>
        <translation>--note-off erwartet &apos;on&apos; oder &apos;off&apos;, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--zero-offset takes a number from 0 to 10, not &apos;%1&apos;.</source>
        <translation>--zero-offset erwartet eine Zahl von 0 bis 10, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>&apos;raw&apos; needs a command letter.</source>
        <translation>&apos;raw&apos; braucht einen Befehlsbuchstaben.</translation>
    </message>
    <message>
        <source>&apos;raw&apos; takes a letter and at most one payload.</source>
        <translation>&apos;raw&apos; erwartet einen Buchstaben und höchstens eine Nutzlast.</translation>
    </message>
    <message>
        <source>The command letter must be one printable ASCII character, not &apos;%1&apos;.</source>
        <translation>Der Befehlsbuchstabe muss ein druckbares ASCII-Zeichen sein, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The payload must be pairs of hex digits, not &apos;%1&apos;.</source>
        <translation>Die Nutzlast muss aus Paaren von Hex-Ziffern bestehen, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>No data received.</source>
        <translation>Keine Daten empfangen.</translation>
    </message>
    <message>
        <source>--json belongs to reading the options, not to setting them.</source>
        <translation>--json gehört zum Lesen der Optionen, nicht zum Setzen.</translation>
    </message>
    <message>
        <source>&apos;learn&apos; takes no arguments.</source>
        <translation>&apos;learn&apos; erwartet keine Argumente.</translation>
    </message>
    <message>
        <source>&apos;learn&apos; needs --from PORT: the MIDI input port of the controller.</source>
        <translation>&apos;learn&apos; braucht --from PORT: den MIDI-Eingang des Controllers.</translation>
    </message>
    <message>
        <source>No MIDI input port is named &apos;%1&apos;.</source>
        <translation>Kein MIDI-Eingang heißt &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Move a control or play the notes...</source>
        <translation>Regler bewegen oder Noten spielen...</translation>
    </message>
    <message>
        <source>--off-after takes milliseconds from 0 to %1.</source>
        <translation>--off-after erwartet Millisekunden von 0 bis %1.</translation>
    </message>
    <message>
        <source>Sent %1</source>
        <translation>Gesendet: %1</translation>
    </message>
    <message>
        <source>&apos;channels patch&apos; takes a channel settings file and a fixture definition file.</source>
        <translation>&apos;channels patch&apos; erwartet eine Kanaleinstellungsdatei und eine Fixture-Definitionsdatei.</translation>
    </message>
    <message>
        <source>&apos;channels patch&apos; needs --start N and --name TEXT.</source>
        <translation>&apos;channels patch&apos; braucht --start N und --name TEXT.</translation>
    </message>
    <message>
        <source>--start takes a DMX channel from 1 to 512.</source>
        <translation>--start erwartet einen DMX-Kanal von 1 bis 512.</translation>
    </message>
    <message>
        <source>Choose one of the fixture&apos;s modes with --mode: %1.</source>
        <translation>Einen der Modi des Fixtures mit --mode wählen: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1, mode &quot;%2&quot;: DMX channels %3 to %4 described, %n row(s) added; %5 written.</source>
        <translation>
            <numerusform>%1, Modus „%2“: DMX-Kanäle %3 bis %4 beschrieben, %n Zeile hinzugefügt; %5 geschrieben.</numerusform>
            <numerusform>%1, Modus „%2“: DMX-Kanäle %3 bis %4 beschrieben, %n Zeilen hinzugefügt; %5 geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>--from belongs to the command &apos;learn&apos;.</source>
        <translation>--from gehört zum Befehl &apos;learn&apos;.</translation>
    </message>
    <message>
        <source>--off-after belongs to the command &apos;send&apos;.</source>
        <translation>--off-after gehört zum Befehl &apos;send&apos;.</translation>
    </message>
    <message>
        <source>--start and --name belong to the command &apos;channels patch&apos;.</source>
        <translation>--start und --name gehören zum Befehl &apos;channels patch&apos;.</translation>
    </message>
    <message>
        <source>&apos;firmware info&apos; takes one argument: the firmware file (*.bix).</source>
        <translation>&apos;firmware info&apos; erwartet ein Argument: die Firmware-Datei (*.bix).</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Start the device&apos;s bootloader with its mode switch; waiting for it...</source>
        <translation>Bootloader des Geräts mit dem Modusschalter starten; warte darauf...</translation>
    </message>
    <message>
        <source>Device ID: %1</source>
        <translation>Geräte-ID: %1</translation>
    </message>
    <message>
        <source>Bootloader date: %1</source>
        <translation>Bootloader-Datum: %1</translation>
    </message>
    <message>
        <source>Device firmware date: %1</source>
        <translation>Firmware-Datum des Geräts: %1</translation>
    </message>
    <message>
        <source>Cancelled: the device now waits in its bootloader; nothing was changed in it. Run the command again, or switch the device off and on.</source>
        <translation>Abgebrochen: Das Gerät wartet jetzt im Bootloader; an ihm wurde nichts geändert. Den Befehl erneut ausführen oder das Gerät aus- und wieder einschalten.</translation>
    </message>
    <message>
        <source>&apos;firmware upload&apos; takes one argument: the firmware file (*.bix).</source>
        <translation>&apos;firmware upload&apos; erwartet ein Argument: die Firmware-Datei (*.bix).</translation>
    </message>
    <message>
        <source>--mode takes &apos;newer&apos; or &apos;same-or-older&apos;, not &apos;%1&apos;.</source>
        <translation>--mode erwartet &apos;newer&apos; oder &apos;same-or-older&apos;, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The upload stalled.</source>
        <translation>Der Upload ist ins Stocken geraten.</translation>
    </message>
    <message>
        <source>Nothing uploaded: %1</source>
        <translation>Nichts hochgeladen: %1</translation>
    </message>
    <message>
        <source>The device did not report the end of the upload.</source>
        <translation>Das Gerät hat das Ende des Uploads nicht gemeldet.</translation>
    </message>
    <message>
        <source>The bootloader did not report Idle.</source>
        <translation>Der Bootloader hat nicht „Bereit“ gemeldet.</translation>
    </message>
    <message>
        <source>The interface test did not end.</source>
        <translation>Der Schnittstellentest wurde nicht beendet.</translation>
    </message>
    <message>
        <source>The device did not echo the test block.</source>
        <translation>Das Gerät hat den Testblock nicht zurückgesendet.</translation>
    </message>
    <message>
        <source>&apos;set-id&apos; takes one argument: the device ID.</source>
        <translation>&apos;set-id&apos; erwartet ein Argument: die Geräte-ID.</translation>
    </message>
    <message>
        <source>The device ID must be a number from 0 to 4294967295, not &apos;%1&apos;.</source>
        <translation>Die Geräte-ID muss eine Zahl von 0 bis 4294967295 sein, nicht &apos;%1&apos;.</translation>
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
        <translation>Aufruf: vantorelctl [OPTIONEN] BEFEHL [ARGUMENTE]

Spricht über MIDI mit einem VANTOREL MIDI-zu-DMX512-Konverter.

Befehle:
  ports                         MIDI-Eingänge und -Ausgänge auflisten
  scan                          jedes Gerät an jedem Portpaar auf einmal suchen
                                (höchstens 2,5 s; ein Gerät, das innerhalb von
                                2000 ms antwortet, wird gefunden); eine Zeile je
                                Gerät: Eingang, Ausgang, Gerätetyp, Geräte-ID,
                                Firmware-Datum (durch Tabulatoren getrennt)
  identify                      Gerätetyp, ID und Build-Daten lesen
  restart                       Gerät neu starten
  clear                         Benutzerdaten (Kanaltabelle) im Gerät löschen
  options                       Note-Off-Einstellung und CC Zero Value Offset lesen
  options --note-off on|off     festlegen, ob die vordefinierten Modi auf Note Off
                                reagieren
  options --zero-offset N       CC Zero Value Offset setzen (0..10)
  raw LETTER [PAYLOAD-HEX]      einen Befehl senden und jede empfangene Nachricht
                                ausgeben, bis 2 s lang nichts mehr kommt
  firmware info FILE            Firmware-Datei (*.bix) entschlüsseln und Typ,
                                Build-Datum, Image-Größe und Image-SHA-256 ausgeben
                                (ohne Gerät)
  firmware upload FILE [--mode newer|same-or-older]
                                ein Basic- oder Eco-Gerät in den Bootloader
                                versetzen (ein Pro kommt per Modusschalter dorthin),
                                auf den Bootloader warten und die Datei laden, wenn
                                die Firmware des Geräts älter ist (Standard) oder
                                gleich bzw. neuer
  iface-test                    einen Schnittstellentest mit dem Bootloader ausführen
  set-id N                      Geräte-ID N (0..4294967295) schreiben und auf den
                                Neustart des Geräts warten
  channels read [FILE] [--twice]
                                die User-Mode-Kanaltabelle aus dem Gerät lesen und
                                als Kanaleinstellungsdatei (CSV) nach FILE oder auf
                                die Standardausgabe schreiben; das Lesen endet, wenn
                                das Gerät verstummt: 8-mal sein mittlerer Abstand
                                zwischen Kanälen (0,1 bis 2 s) nach dem letzten;
                                --twice liest, bis zwei Lesevorgänge übereinstimmen
                                (höchstens 3), und schreibt sonst nichts
  channels write FILE [--verify]
                                die Kanäle einer Kanaleinstellungsdatei (CSV) in das
                                Gerät schreiben, jeweils einen bestätigten Kanal;
                                --verify liest sie zurück und vergleicht sie mit dem
                                Gesendeten (Abweichungen auf der Standardausgabe);
                                abweichende Kanäle werden bis zu 3-mal neu
                                geschrieben, bevor eine Abweichung gemeldet wird
  channels write FILE --changes-only [--prune]
                                die Kanäle des Geräts lesen, nur die von der Datei
                                abweichenden schreiben, dann wie --verify prüfen;
                                Kanäle im Gerät, die in der Datei fehlen, werden
                                genannt und belassen, außer --prune löscht das Gerät
                                und schreibt die ganze Datei
  channels diff FILE            eine Kanaleinstellungsdatei mit den Kanälen des
                                Geräts vergleichen (Beschreibungen werden nicht
                                verglichen); die Abweichungen gehen auf die
                                Standardausgabe
  channels patch FILE FIXTURE --start N --name TEXT [--mode NAME] [--force]
                                die Kanäle einer Fixture-Definitionsdatei (*.qxf) in
                                einer Kanaleinstellungsdatei beschreiben: Die Kanäle
                                des Modus ab DMX-Kanal N erhalten die Beschreibungen
                                &quot;TEXT &lt;Kanalname&gt;&quot;, fehlende Zeilen werden mit den
                                Standarddaten ergänzt (ohne Gerät); --mode wählt den
                                Modus des Fixtures (nötig, wenn es mehrere hat);
                                --force überschreibt andere Beschreibungen
  learn --from PORT             den MIDI-Eingang eines Controllers abhören und die
                                Zeile ausgeben, die seine Geste programmiert
                                (MIDI-Kanal, Note On oder Control Change, kleinste
                                und größte Nummer, Datentyp Velocity, wenn mehr als
                                zwei Werte kamen); die Geste endet 1,5 s nach ihrer
                                letzten Nachricht oder nach 10 s ohne Nachricht
  send note|cc CHANNEL NUMBER VALUE [--off-after MS]
                                ein Note On (oder ein Control Change) an das Gerät
                                senden; --off-after sendet das Note Off (oder den
                                Controller mit 0) MS Millisekunden später
  backup FILE                   alles, was das Gerät enthält (Identität, Optionen,
                                Basic/Eco-Modi, Kanaltabelle), in einer
                                Sicherungsdatei (JSON) speichern; die Kanaltabelle
                                wird gelesen, bis zwei Lesevorgänge übereinstimmen
                                (höchstens 3), sonst wird nichts gespeichert
  restore FILE [--verify] [--force]
                                die ganze Sicherungsdatei prüfen, dann ihre
                                Optionen, Modi und Kanäle in das Gerät schreiben
                                (die Kanäle des Geräts werden zuerst gelöscht);
                                --verify liest alles zurück und vergleicht; --force
                                stellt auch auf einem Gerät einer anderen Ausführung
                                als der der Sicherung wieder her
  modes read                    die im Gerät gespeicherten Basic/Eco-Modi und ihre
                                Anzahl ausgeben
  modes write SLOT:TYPE:CHANNEL:NOTE ...
                                Modi speichern (Platz 1..5, Modustyp 0..15,
                                MIDI-Kanal 1..16, Note 0..127); ein Kanal oder eine
                                Note, die der Modustyp nicht nutzt, wird als Kanal 1
                                bzw. Note 0 gesendet
  modes count N                 Anzahl der Basic/Eco-Modi setzen (1..5)
  modes reset                   Basic/Eco-Modi des Geräts auf Standard zurücksetzen

Optionen:
  --backend auto|alsa|jack      MIDI-System (Standard auto: ALSA, wenn sich sein
                                Sequencer öffnen lässt, sonst ein laufender
                                JACK-Server)
  --emulator                    das eingebaute emulierte Gerät (&quot;VANTOREL Emulator&quot;)
                                vorn in die Portlisten aufnehmen
  --emulator-type P|B|E         Ausführung des emulierten Geräts (Standard P)
  --in NAME                     MIDI-Eingang, exakter Name (Standard: der erste)
  --out NAME                    MIDI-Ausgang, exakter Name (Standard: der erste)
  --device-id N                 das Portpaar des Geräts mit der ID N verwenden
                                (per Scan gefunden und durch eine weitere
                                Identifizierung an diesem Paar bestätigt; statt
                                --in und --out)
  --json                        das Ergebnis als ein JSON-Dokument ausgeben (ports,
                                scan, identify, options, modes read, firmware info,
                                learn); ein Fehler gibt {&quot;error&quot;: &quot;...&quot;, &quot;exit&quot;: N}
                                aus
  --verbose                     nach jeder Geräteoperation auf der
                                Standardfehlerausgabe ausgeben, wie viele
                                Nachrichten gesendet, wiederholt und verloren wurden
  -h, --help                    diese Hilfe anzeigen
  -v, --version                 die Version anzeigen

Statustexte und Geräteberichte gehen auf die Standardfehlerausgabe; ist sie ein
Terminal, zeichnen lange Operationen dort auch einen Fortschrittsbalken. Strg+C
(SIGINT) oder SIGTERM beendet eine Operation bei der nächsten vollständigen
Nachricht, meldet, was das Gerät enthält, und schließt die Ports.
Exit-Status: 0 Erfolg, 1 keine Antwort vom Gerät, 2 Aufruffehler oder falsches
Argument, 3 Datei- oder Datenfehler, 4 das Gerät hat einen Fehler gemeldet, der
Test ist fehlgeschlagen oder es wurde nichts hochgeladen, 5 das Gerät enthält
andere Daten als die Datei oder der Schreibvorgang, 130 unterbrochen.
</translation>
    </message>
    <message>
        <source>&apos;ports&apos; takes no arguments.</source>
        <translation>&apos;ports&apos; erwartet keine Argumente.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Kein Befehl angegeben.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>--note-off and --zero-offset belong to the command &apos;options&apos;.</source>
        <translation>--note-off und --zero-offset gehören zum Befehl &apos;options&apos;.</translation>
    </message>
    <message>
        <source>--mode belongs to the commands &apos;firmware upload&apos; and &apos;channels patch&apos;.</source>
        <translation>--mode gehört zu den Befehlen &apos;firmware upload&apos; und &apos;channels patch&apos;.</translation>
    </message>
    <message>
        <source>--verify belongs to the commands &apos;channels write&apos; and &apos;restore&apos;.</source>
        <translation>--verify gehört zu den Befehlen &apos;channels write&apos; und &apos;restore&apos;.</translation>
    </message>
    <message>
        <source>--force belongs to the commands &apos;restore&apos; and &apos;channels patch&apos;.</source>
        <translation>--force gehört zu den Befehlen &apos;restore&apos; und &apos;channels patch&apos;.</translation>
    </message>
    <message>
        <source>--twice belongs to the command &apos;channels read&apos;.</source>
        <translation>--twice gehört zum Befehl &apos;channels read&apos;.</translation>
    </message>
    <message>
        <source>--changes-only and --prune belong to the command &apos;channels write&apos;.</source>
        <translation>--changes-only und --prune gehören zum Befehl &apos;channels write&apos;.</translation>
    </message>
    <message>
        <source>--prune goes with --changes-only.</source>
        <translation>--prune geht nur mit --changes-only.</translation>
    </message>
    <message>
        <source>--json belongs to the commands ports, scan, identify, options, modes read, firmware info and learn.</source>
        <translation>--json gehört zu den Befehlen ports, scan, identify, options, modes read, firmware info und learn.</translation>
    </message>
    <message>
        <source>--device-id takes a device ID from 0 to 4294967295, not &apos;%1&apos;.</source>
        <translation>--device-id erwartet eine Geräte-ID von 0 bis 4294967295, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--device-id chooses the ports itself: leave out --in and --out.</source>
        <translation>--device-id wählt die Ports selbst: --in und --out weglassen.</translation>
    </message>
    <message>
        <source>--device-id belongs to the commands that talk to one device.</source>
        <translation>--device-id gehört zu den Befehlen, die mit einem Gerät sprechen.</translation>
    </message>
    <message>
        <source>--backend takes auto, alsa or jack, not &apos;%1&apos;.</source>
        <translation>--backend erwartet auto, alsa oder jack, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--emulator-type takes P, B or E, not &apos;%1&apos;.</source>
        <translation>--emulator-type erwartet P, B oder E, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>No device with the ID %1 answered.</source>
        <translation>Kein Gerät mit der ID %1 hat geantwortet.</translation>
    </message>
    <message>
        <source>%1 devices answered with the ID %2; the first confirmed is used.</source>
        <translation>%1 Geräte haben mit der ID %2 geantwortet; das erste bestätigte wird verwendet.</translation>
    </message>
    <message>
        <source>Device %1: input &quot;%2&quot;, output &quot;%3&quot;.</source>
        <translation>Gerät %1: Eingang „%2“, Ausgang „%3“.</translation>
    </message>
    <message>
        <source>No MIDI output port is named &apos;%1&apos;.</source>
        <translation>Kein MIDI-Ausgang heißt &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>There is no MIDI input port: replies cannot be received.</source>
        <translation>Es gibt keinen MIDI-Eingang: Antworten können nicht empfangen werden.</translation>
    </message>
    <message>
        <source>There is no MIDI output port: nothing can be sent.</source>
        <translation>Es gibt keinen MIDI-Ausgang: Es kann nichts gesendet werden.</translation>
    </message>
    <message>
        <source>No connection with device</source>
        <translation>Keine Verbindung zum Gerät</translation>
    </message>
    <message>
        <source>Cancelled: nothing was sent to the device.</source>
        <translation>Abgebrochen: Es wurde nichts an das Gerät gesendet.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>Unexpected error: %1</source>
        <translation>Unerwarteter Fehler: %1</translation>
    </message>
    <message>
        <source>A mode is SLOT:TYPE:CHANNEL:NOTE, not &apos;%1&apos;.</source>
        <translation>Ein Modus ist SLOT:TYPE:CHANNEL:NOTE, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>In &apos;%1&apos;: %2.</source>
        <translation>In &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>Slot %1 is given more than once.</source>
        <translation>Platz %1 ist mehrfach angegeben.</translation>
    </message>
    <message>
        <source>&apos;modes %1&apos; takes no arguments.</source>
        <translation>&apos;modes %1&apos; erwartet keine Argumente.</translation>
    </message>
    <message>
        <source>&apos;modes count&apos; takes one number, 1..5.</source>
        <translation>&apos;modes count&apos; erwartet eine Zahl, 1..5.</translation>
    </message>
    <message>
        <source>The number of modes must be 1..5, not &apos;%1&apos;.</source>
        <translation>Die Anzahl der Modi muss 1..5 sein, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>&apos;modes write&apos; needs at least one SLOT:TYPE:CHANNEL:NOTE.</source>
        <translation>&apos;modes write&apos; braucht mindestens ein SLOT:TYPE:CHANNEL:NOTE.</translation>
    </message>
    <message>
        <source>&apos;modes&apos; needs read, write, count or reset.</source>
        <translation>&apos;modes&apos; braucht read, write, count oder reset.</translation>
    </message>
    <message>
        <source>Unknown &apos;modes&apos; command: %1</source>
        <translation>Unbekannter &apos;modes&apos;-Befehl: %1</translation>
    </message>
    <message>
        <source>Invalid mode record received: slot %1, mode type %2, MIDI channel %3, note %4.</source>
        <translation>Ungültiger Modusdatensatz empfangen: Platz %1, Modustyp %2, MIDI-Kanal %3, Note %4.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n mode(s) stored.</source>
        <translation>
            <numerusform>%1 von %n Modus gespeichert.</numerusform>
            <numerusform>%1 von %n Modi gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>No device found.</source>
        <translation>Kein Gerät gefunden.</translation>
    </message>
    <message>
        <source>&apos;scan&apos; takes no arguments.</source>
        <translation>&apos;scan&apos; erwartet keine Argumente.</translation>
    </message>
    <message>
        <source> --force overwrites them.</source>
        <translation> --force überschreibt sie.</translation>
    </message>
</context>
</TS>
