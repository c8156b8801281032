<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Avviatore</name>
    <message>
        <source>The data folder %1 does not exist or is empty.

Copy the demo data (a few entries of every kind, and the interface texts) into it?</source>
        <translation>La cartella dei dati %1 non esiste o è vuota.

Copiarvi i dati dimostrativi (alcune voci di ogni tipo e i testi dell&apos;interfaccia)?</translation>
    </message>
    <message>
        <source>The program folder %1 could not be brought up to date:</source>
        <translation>Non è stato possibile aggiornare la cartella del programma %1:</translation>
    </message>
    <message>
        <source>The demo data could not be copied into %1:</source>
        <translation>Non è stato possibile copiare i dati dimostrativi in %1:</translation>
    </message>
</context>
<context>
    <name>CartellaUtente</name>
    <message>
        <source>%1: the new copy cannot take the place of the old one</source>
        <translation>%1: la nuova copia non può prendere il posto della precedente</translation>
    </message>
</context>
<context>
    <name>CopiaCartella</name>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: la cartella non può essere creata</translation>
    </message>
</context>
</TS>
