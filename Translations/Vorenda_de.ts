<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ShelfStyle</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Wood #3</source>
        <translation>Holz #3</translation>
    </message>
    <message>
        <source>Fabric #1</source>
        <translation>Fasern #1</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Ziegel</translation>
    </message>
    <message>
        <source>Metal + Wood</source>
        <translation>Metall + Holz</translation>
    </message>
    <message>
        <source>Bricks + Wood</source>
        <translation>Ziegel + Holz</translation>
    </message>
    <message>
        <source>Dark Grain</source>
        <translation>Dunkle Holzfaser</translation>
    </message>
    <message>
        <source>Wood #4</source>
        <translation>Holz #4</translation>
    </message>
    <message>
        <source>Wood #2</source>
        <translation>Holz #2</translation>
    </message>
    <message>
        <source>Wood #1</source>
        <translation>Holz #1</translation>
    </message>
    <message>
        <source>Tablecloth</source>
        <translation>Tischdecke</translation>
    </message>
    <message>
        <source>Marble</source>
        <translation>Marmor</translation>
    </message>
    <message>
        <source>Leather</source>
        <translation>Leder</translation>
    </message>
    <message>
        <source>Fabric #3</source>
        <translation>Fasern #3</translation>
    </message>
    <message>
        <source>Fabric #2</source>
        <translation>Fasern #2</translation>
    </message>
    <message>
        <source>Cork #2</source>
        <translation>Kork #2</translation>
    </message>
    <message>
        <source>Cork #1</source>
        <translation>Kork #1</translation>
    </message>
    <message>
        <source>Teen Girl</source>
        <translation>Teen Girl</translation>
    </message>
    <message>
        <source>Metal #1</source>
        <translation>Metall #1</translation>
    </message>
    <message>
        <source>Metal #2</source>
        <translation>Metall #2</translation>
    </message>
    <message>
        <source>Windows XP</source>
        <translation>Windows XP</translation>
    </message>
</context>
</TS>
