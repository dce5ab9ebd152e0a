<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>vantorel::MainWindow</name>
    <message>
        <source> (connected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A transfer is running. Stop it and close?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unsaved channel table of the last run cannot be restored (%1): %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The file is left where it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The file is kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table was not saved to a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table came from %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::MessagePanel</name>
    <message>
        <source>Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::OperationProgress</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::PortListBox</name>
    <message>
        <source>%1 (gone)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::StatusLine</name>
    <message>
        <source>... (details)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
