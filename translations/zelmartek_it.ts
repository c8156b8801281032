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
    <name>FinestraVerifica</name>
    <message>
        <source>Check of the ratings - ZELMARtek</source>
        <translation>Verifica degli indici - ZELMARtek</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonna</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Memorizzato</translation>
    </message>
    <message>
        <source>Computed</source>
        <translation>Calcolato</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Esporta CSV...</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, table %2: %3</source>
        <translation>%1, tabella %2: %3</translation>
    </message>
    <message>
        <source>%1 of %2 tables checked, %3 entries rated, %4 stored ratings differ from the computed ones.</source>
        <translation>%1 tabelle verificate su %2, %3 voci valutate, %4 indici memorizzati diversi da quelli calcolati.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullata.</translation>
    </message>
    <message>
        <source>Every stored rating equals the computed one.</source>
        <translation>Ogni indice memorizzato è uguale a quello calcolato.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminata.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or table(s) could not be read:</source>
        <translation>
            <numerusform>Non è stato possibile leggere %n file o tabella:</numerusform>
            <numerusform>Non è stato possibile leggere %n file o tabelle:</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the differences as CSV</source>
        <translation>Esporta le differenze in CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Non è stato possibile scrivere il file %1: %2</translation>
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
<context>
    <name>Strumento</name>
    <message>
        <source>Usage: zelmar-valuta QUANTITY V1 ... V21
       zelmar-valuta --verifica DATA_FOLDER
</source>
        <translation>Uso: zelmar-valuta GRANDEZZA V1 ... V21
     zelmar-valuta --verifica CARTELLA_DATI
</translation>
    </message>
    <message>
        <source>(--help for details)
</source>
        <translation>(--help per i dettagli)
</translation>
    </message>
    <message>
        <source>the quantity is missing: R, Dn, Ln or DLn</source>
        <translation>manca la grandezza: R, Dn, Ln o DLn</translation>
    </message>
    <message>
        <source>
Computes the single-number ratings of a curve from its 21 band values, 50 to
5000 Hz in order, and prints them as one JSON object:
  R, Dn  ISO 717-1: &quot;Rw&quot; (for Dn the index Dn,e,w), &quot;C&quot;, &quot;Ctr&quot;, the extended
         terms &quot;C50_3150&quot;, &quot;C50_5000&quot;, &quot;C100_5000&quot;, &quot;Ctr50_3150&quot;, &quot;Ctr50_5000&quot;,
         &quot;Ctr100_5000&quot; and the sum of unfavourable deviations &quot;deviazioni&quot;
  Ln     ISO 717-2: &quot;Lnw&quot;, &quot;CI&quot;, &quot;CI50_2500&quot;, &quot;deviazioni&quot;
  DLn    ISO 717-2, on the heavy reference floor: &quot;DLw&quot;, &quot;CIDelta&quot;
Improvements DRi have no ISO 717-1 rating and are not rated.
Each value is a number in dB with a decimal comma or point (-3,5 is a value, not
an option); &quot;-&quot; alone is a band without a value. What needs a band without a
value is null.

--verifica checks every entry of every database of the data folder (custom,
theoretical, experimental, Access files too) and writes CSV to standard output:
one line for each stored rating that differs from the one computed from the
entry&apos;s curve (file relative to the data folder, table, &quot;Nome&quot;, column, stored
value, computed value), databases in the tree&apos;s order, rows in stored order.
Compared are the main rating, C and Ctr, and Ci (CI, or CI,Delta for floor
coverings); a Null stored value or one that cannot be computed is not reported.

Exit status: 0 done; 1 some file could not be read (told on standard error, the
rest checked); 2 wrong usage or a missing data folder (the message names the
argument).
</source>
        <translation>
Calcola gli indici di valutazione di una curva dai suoi 21 valori di banda, da 50 a
5000 Hz in ordine, e li stampa come un oggetto JSON:
  R, Dn  ISO 717-1: &quot;Rw&quot; (per Dn l&apos;indice Dn,e,w), &quot;C&quot;, &quot;Ctr&quot;, i termini estesi
         &quot;C50_3150&quot;, &quot;C50_5000&quot;, &quot;C100_5000&quot;, &quot;Ctr50_3150&quot;, &quot;Ctr50_5000&quot;,
         &quot;Ctr100_5000&quot; e la somma delle deviazioni sfavorevoli &quot;deviazioni&quot;
  Ln     ISO 717-2: &quot;Lnw&quot;, &quot;CI&quot;, &quot;CI50_2500&quot;, &quot;deviazioni&quot;
  DLn    ISO 717-2, sul solaio di riferimento pesante: &quot;DLw&quot;, &quot;CIDelta&quot;
I miglioramenti DRi non hanno un indice ISO 717-1 e non si valutano.
Ogni valore è un numero in dB con la virgola o il punto decimale (-3,5 è un valore, non
un&apos;opzione); &quot;-&quot; da solo indica una banda senza valore. Ciò che richiede una banda senza
valore vale null.

--verifica controlla ogni voce di ogni database della cartella dei dati (personale,
teorico, sperimentali, anche file Access) e scrive CSV sull&apos;uscita standard: una riga
per ogni indice memorizzato diverso da quello calcolato dalla curva della voce (file
relativo alla cartella dei dati, tabella, &quot;Nome&quot;, colonna, valore memorizzato, valore
calcolato), i database nell&apos;ordine dell&apos;albero, le righe nell&apos;ordine memorizzato.
Si confrontano l&apos;indice principale, C e Ctr, e Ci (CI, o CI,Delta per i rivestimenti
di pavimento); un valore memorizzato Null o uno non calcolabile non si segnala.

Stato di uscita: 0 eseguito; 1 qualche file non leggibile (detto sull&apos;errore standard,
il resto verificato); 2 uso errato o cartella dei dati mancante (il messaggio nomina
l&apos;argomento).
</translation>
    </message>
    <message>
        <source>--verifica takes exactly one data folder</source>
        <translation>--verifica vuole esattamente una cartella dei dati</translation>
    </message>
    <message>
        <source>unknown option «%1»</source>
        <translation>opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>«DRi»: improvements DRi have no ISO 717-1 rating; the quantities are R, Dn, Ln and DLn</source>
        <translation>«DRi»: i miglioramenti DRi non hanno un indice ISO 717-1; le grandezze sono R, Dn, Ln e DLn</translation>
    </message>
    <message>
        <source>unknown quantity «%1»: the quantities are R, Dn, Ln and DLn</source>
        <translation>grandezza sconosciuta «%1»: le grandezze sono R, Dn, Ln e DLn</translation>
    </message>
    <message>
        <source>21 band values are needed, 50 to 5000 Hz; %1 were given</source>
        <translation>servono 21 valori di banda, da 50 a 5000 Hz; ne sono stati dati %1</translation>
    </message>
    <message>
        <source>value %1 (band %2 Hz), «%3», is not a number</source>
        <translation>il valore %1 (banda %2 Hz), «%3», non è un numero</translation>
    </message>
    <message>
        <source>the data folder «%1» does not exist</source>
        <translation>la cartella dei dati «%1» non esiste</translation>
    </message>
    <message>
        <source>«%1» is not a data folder: it has no Databases/Database folder</source>
        <translation>«%1» non è una cartella dei dati: non ha la cartella Databases/Database</translation>
    </message>
    <message>
        <source>zelmar-valuta: %1 could not be read: %2
</source>
        <translation>zelmar-valuta: non è stato possibile leggere %1: %2
</translation>
    </message>
    <message>
        <source>zelmar-valuta: %1, table %2, could not be read: %3
</source>
        <translation>zelmar-valuta: non è stato possibile leggere %1, tabella %2: %3
</translation>
    </message>
</context>
<context>
    <name>TestoValutazione</name>
    <message>
        <source>%1: %2 cannot be computed, bands without a value: %3</source>
        <translation>%1: %2 non calcolabile, bande senza valore: %3</translation>
    </message>
    <message>
        <source>Sum of unfavourable deviations %1 dB</source>
        <translation>Somma delle deviazioni sfavorevoli %1 dB</translation>
    </message>
    <message>
        <source>No rating is computed for linings: their bands hold improvements, and ΔRw is not an ISO 717-1 quantity</source>
        <translation>Per i rivestimenti non si calcola alcun indice: le loro bande contengono miglioramenti e ΔRw non è una grandezza ISO 717-1</translation>
    </message>
    <message>
        <source>%1: stored %2, computed %3</source>
        <translation>%1: memorizzato %2, calcolato %3</translation>
    </message>
</context>
<context>
    <name>ValutazioniEditor</name>
    <message>
        <source>Use computed</source>
        <translation>Usa calcolati</translation>
    </message>
    <message>
        <source>Copies the ratings computed from the band values into the rating boxes (Ctrl+Shift+R)</source>
        <translation>Copia negli indici gli indici calcolati dai valori di banda (Ctrl+Maiusc+R)</translation>
    </message>
    <message>
        <source>not computed</source>
        <translation>non calcolato</translation>
    </message>
    <message>
        <source>computed: %1</source>
        <translation>calcolato: %1</translation>
    </message>
</context>
<context>
    <name>ValutazioniForm1</name>
    <message>
        <source>&amp;Ratings</source>
        <translation>&amp;Indici</translation>
    </message>
    <message>
        <source>&amp;Reference curve on the chart</source>
        <translation>&amp;Curva di riferimento sul grafico</translation>
    </message>
    <message>
        <source>Check the ratings of this &amp;table...</source>
        <translation>Verifica gli indici di questa &amp;tabella...</translation>
    </message>
    <message>
        <source>Check the ratings of &amp;every database...</source>
        <translation>Verifica gli indici di &amp;tutti i database...</translation>
    </message>
    <message>
        <source>⚠ Stored rating differs: %1</source>
        <translation>⚠ Indice memorizzato diverso: %1</translation>
    </message>
    <message>
        <source>No table is chosen: choose one in the tree first.</source>
        <translation>Nessuna tabella scelta: sceglierne prima una nell&apos;albero.</translation>
    </message>
    <message>
        <source>Ratings of %1, table %2</source>
        <translation>Indici di %1, tabella %2</translation>
    </message>
    <message>
        <source>Ratings of every database of %1</source>
        <translation>Indici di tutti i database di %1</translation>
    </message>
</context>
</TS>
