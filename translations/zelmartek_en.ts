<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AvvisoModificaAltrui</name>
    <message numerus="yes">
        <source>and %n more column(s)</source>
        <translation>
            <numerusform>and %n more column</numerusform>
            <numerusform>and %n more columns</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FinestraRicerca</name>
    <message numerus="yes">
        <source>%n entries found</source>
        <translation>
            <numerusform>%n entry found</numerusform>
            <numerusform>%n entries found</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or table(s) could not be read:</source>
        <translation>
            <numerusform>%n file or table could not be read:</numerusform>
            <numerusform>%n files or tables could not be read:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FinestraVerifica</name>
    <message numerus="yes">
        <source>%n file(s) or table(s) could not be read:</source>
        <translation>
            <numerusform>%n file or table could not be read:</numerusform>
            <numerusform>%n files or tables could not be read:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ZelmarCondividi</name>
    <message numerus="yes">
        <source>%1: %n rows</source>
        <translation>
            <numerusform>%1: %n row</numerusform>
            <numerusform>%1: %n rows</numerusform>
        </translation>
    </message>
</context>
</TS>
