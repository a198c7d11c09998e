<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's words that Debian's Russian translation of Qt lacks (the file dialog's Type column), installed
     after it. Kept by hand: lupdate does not touch this file. -->
<TS version="2.1" language="ru_RU">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
</context>
</TS>
