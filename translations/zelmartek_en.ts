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
    <message numerus="yes">
        <source>%1 of %n table(s) checked</source>
        <translation>
            <numerusform>%1 of %n table checked</numerusform>
            <numerusform>%1 of %n tables checked</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(ies) rated</source>
        <translation>
            <numerusform>%Ln entry rated</numerusform>
            <numerusform>%Ln entries rated</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln stored rating(s) differing from the computed one(s).</source>
        <translation>
            <numerusform>%Ln stored rating differing from the computed one.</numerusform>
            <numerusform>%Ln stored ratings differing from the computed ones.</numerusform>
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
