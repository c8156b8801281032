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
<context>
    <name>Form3</name>
    <message>
        <source>Another user has changed this entry since it was shown, so nothing was saved. Close the editor, show the entry again and make the change once more.</source>
        <translation>Un altro utente ha modificato questo materiale dopo che è stato mostrato, perciò non è stato salvato nulla. Chiudere l&apos;editor, mostrare di nuovo il materiale e ripetere la modifica.</translation>
    </message>
</context>
<context>
    <name>ImportazioneInCorso</name>
    <message>
        <source>Looking for Access files...</source>
        <translation>Ricerca dei file Access...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cancelling: the file under way and the ones after it stay as they were...</source>
        <translation>Annullamento: il file in corso e quelli che seguono restano come erano...</translation>
    </message>
    <message>
        <source>File %1 of %2: %3
Table: %4</source>
        <translation>File %1 di %2: %3
Tabella: %4</translation>
    </message>
</context>
<context>
    <name>SalvataggioMateriale</name>
    <message>
        <source>the value «%1» is not a band value, which is a finite number no larger than %2 either way</source>
        <translation>il valore «%1» non è un valore di banda, che è un numero finito non più grande di %2 in valore assoluto</translation>
    </message>
</context>
</TS>
