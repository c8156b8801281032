<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AppuntiBande</name>
    <message>
        <source>The clipboard holds «%1», which is not a number: nothing was pasted.</source>
        <translation>Gli appunti contengono «%1», che non è un numero: non è stato incollato nulla.</translation>
    </message>
    <message>
        <source>The clipboard holds no band values: nothing was pasted.</source>
        <translation>Gli appunti non contengono valori di banda: non è stato incollato nulla.</translation>
    </message>
    <message>
        <source>The clipboard holds %1 values; band values are pasted as 21 (50 to 5000 Hz) or 16 (100 to 3150 Hz): nothing was pasted.</source>
        <translation>Gli appunti contengono %1 valori; i valori di banda si incollano in 21 (da 50 a 5000 Hz) o in 16 (da 100 a 3150 Hz): non è stato incollato nulla.</translation>
    </message>
    <message>
        <source>The band of %1 Hz is an empty cell in the clipboard: nothing was pasted.</source>
        <translation>La banda di %1 Hz è una cella vuota negli appunti: non è stato incollato nulla.</translation>
    </message>
</context>
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
    <name>ComandiVoce</name>
    <message>
        <source>Add to the comparison</source>
        <translation>Aggiungi al confronto</translation>
    </message>
    <message>
        <source>Data sheet as PDF...</source>
        <translation>Scheda tecnica in PDF...</translation>
    </message>
    <message>
        <source>Print the data sheet...</source>
        <translation>Stampa la scheda tecnica...</translation>
    </message>
    <message>
        <source>Copy the band values</source>
        <translation>Copia i valori di banda</translation>
    </message>
    <message>
        <source>No entry is shown: choose one in the list first.</source>
        <translation>Nessun materiale è visualizzato: sceglierne prima uno nell&apos;elenco.</translation>
    </message>
    <message>
        <source>«%1» is no longer in %2 (table %3).</source>
        <translation>«%1» non è più in %2 (tabella %3).</translation>
    </message>
    <message>
        <source>Save the data sheet</source>
        <translation>Salva la scheda tecnica</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The data sheet of «%1» could not be printed.</source>
        <translation>Non è stato possibile stampare la scheda tecnica di «%1».</translation>
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
    <name>EsportazioneGrafico</name>
    <message>
        <source>%1: the chart is written as PNG, SVG or PDF, chosen by the file&apos;s suffix.</source>
        <translation>%1: il grafico si scrive in PNG, SVG o PDF, secondo l&apos;estensione del file.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Comparison of curves</source>
        <translation>Confronto delle curve</translation>
    </message>
</context>
<context>
    <name>FinestraConfronto</name>
    <message>
        <source>comparison</source>
        <translation>confronto</translation>
    </message>
    <message>
        <source>Comparison - ZELMARtek</source>
        <translation>Confronto - ZELMARtek</translation>
    </message>
    <message>
        <source>&amp;Remove entry</source>
        <translation>&amp;Rimuovi materiale</translation>
    </message>
    <message>
        <source>Removes the entry chosen in the legend or the table</source>
        <translation>Rimuove il materiale scelto nella legenda o nella tabella</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>S&amp;vuota</translation>
    </message>
    <message>
        <source>Removes every entry from the comparison</source>
        <translation>Rimuove tutti i materiali dal confronto</translation>
    </message>
    <message>
        <source>Re&amp;ference curves</source>
        <translation>Curve di ri&amp;ferimento</translation>
    </message>
    <message>
        <source>Shows each entry&apos;s shifted reference curve (100 to 3150 Hz)</source>
        <translation>Mostra la curva di riferimento traslata di ogni materiale (da 100 a 3150 Hz)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Disegni SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>E&amp;xport chart</source>
        <translation>E&amp;sporta grafico</translation>
    </message>
    <message>
        <source>Export &amp;table (CSV)...</source>
        <translation>Esporta &amp;tabella (CSV)...</translation>
    </message>
    <message>
        <source>&amp;Copy table</source>
        <translation>&amp;Copia tabella</translation>
    </message>
    <message>
        <source>Copies the table to the clipboard, tab-separated</source>
        <translation>Copia la tabella negli appunti, separata da tabulazioni</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa...</translation>
    </message>
    <message>
        <source>Add entries from the main window to compare their curves</source>
        <translation>Aggiungere materiali dalla finestra principale per confrontarne le curve</translation>
    </message>
    <message>
        <source>%1 Hz: %2 dB - %3</source>
        <translation>%1 Hz: %2 dB - %3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Export the chart</source>
        <translation>Esporta il grafico</translation>
    </message>
    <message>
        <source>Export the table</source>
        <translation>Esporta la tabella</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Confronto</translation>
    </message>
    <message>
        <source>The comparison could not be printed.</source>
        <translation>Non è stato possibile stampare il confronto.</translation>
    </message>
    <message>
        <source>Export chart as &amp;PNG...</source>
        <translation>Esporta il grafico in &amp;PNG...</translation>
    </message>
    <message>
        <source>Export chart as &amp;SVG...</source>
        <translation>Esporta il grafico in &amp;SVG...</translation>
    </message>
    <message>
        <source>Export chart as P&amp;DF...</source>
        <translation>Esporta il grafico in P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandi</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Paste bands</source>
        <translation>Incolla bande</translation>
    </message>
    <message>
        <source>Pastes 21 band values (50 to 5000 Hz) or 16 (100 to 3150 Hz) from the clipboard (Ctrl+Shift+V)</source>
        <translation>Incolla dagli appunti 21 valori di banda (da 50 a 5000 Hz) o 16 (da 100 a 3150 Hz) (Ctrl+Maiusc+V)</translation>
    </message>
    <message>
        <source>Another user has changed this entry since it was shown, so nothing was saved. Close the editor, show the entry again and make the change once more.</source>
        <translation>Un altro utente ha modificato questo materiale dopo che è stato mostrato, perciò non è stato salvato nulla. Chiudere l&apos;editor, mostrare di nuovo il materiale e ripetere la modifica.</translation>
    </message>
</context>
<context>
    <name>GraficoCurve</name>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Frequenza (Hz)</translation>
    </message>
    <message>
        <source>computed %1</source>
        <translation>calcolato %1</translation>
    </message>
    <message>
        <source>not computed: a band from 100 to 3150 Hz has no value</source>
        <translation>non calcolato: una banda da 100 a 3150 Hz non ha valore</translation>
    </message>
</context>
<context>
    <name>InsiemeConfronto</name>
    <message>
        <source>«%1» is already in the comparison.</source>
        <translation>«%1» è già nel confronto.</translation>
    </message>
    <message>
        <source>The comparison already holds %1 entries, as many as it can: remove one before adding «%2».</source>
        <translation>Il confronto contiene già %1 materiali, il massimo: rimuoverne uno prima di aggiungere «%2».</translation>
    </message>
    <message>
        <source>«%1» holds %2 band values, the entries compared hold %3 values: only curves of one quantity can be compared.</source>
        <translation>«%1» ha valori di banda %2, i materiali confrontati hanno valori %3: si confrontano solo curve di una stessa grandezza.</translation>
    </message>
</context>
<context>
    <name>SchedaTecnica</name>
    <message>
        <source>Computed from the bands: none, ISO 717 gives no single-number rating for the improvement of a lining.</source>
        <translation>Calcolato dalle bande: nessuno, la ISO 717 non dà un indice di valutazione per il miglioramento di uno strato aggiuntivo.</translation>
    </message>
    <message>
        <source>Computed from the bands: none, a band from 100 to 3150 Hz has no value.</source>
        <translation>Calcolato dalle bande: nessuno, una banda da 100 a 3150 Hz non ha valore.</translation>
    </message>
    <message>
        <source>Computed from the bands (%1): %2</source>
        <translation>Calcolato dalle bande (%1): %2</translation>
    </message>
    <message>
        <source>; unfavourable deviations %1 dB</source>
        <translation>; scostamenti sfavorevoli %1 dB</translation>
    </message>
    <message>
        <source>%1 - %2, table %3</source>
        <translation>%1 - %2, tabella %3</translation>
    </message>
    <message>
        <source>Stored: %1</source>
        <translation>Memorizzato: %1</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Certificato</translation>
    </message>
    <message>
        <source>Test date</source>
        <translation>Data di prova</translation>
    </message>
    <message>
        <source>Testing body</source>
        <translation>Ente di prova</translation>
    </message>
    <message>
        <source>Requesting company</source>
        <translation>Società richiedente</translation>
    </message>
    <message>
        <source>Physical data</source>
        <translation>Dati fisici</translation>
    </message>
    <message>
        <source>Solid line and markers: the band values; dashed line: the shifted reference curve (100 to 3150 Hz).</source>
        <translation>Linea continua e simboli: i valori di banda; linea tratteggiata: la curva di riferimento traslata (da 100 a 3150 Hz).</translation>
    </message>
    <message>
        <source>Line and markers: the band values; a band without a value is a gap.</source>
        <translation>Linea e simboli: i valori di banda; una banda senza valore è un vuoto.</translation>
    </message>
    <message>
        <source>f (Hz)</source>
        <translation>f (Hz)</translation>
    </message>
    <message>
        <source>Reference (dB)</source>
        <translation>Riferimento (dB)</translation>
    </message>
    <message>
        <source>Unfavourable (dB)</source>
        <translation>Sfavorevoli (dB)</translation>
    </message>
    <message>
        <source>Data sheet written on %1</source>
        <translation>Scheda tecnica scritta il %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the page could not be drawn.</source>
        <translation>Impossibile scrivere %1: non è stato possibile disegnare la pagina.</translation>
    </message>
</context>
<context>
    <name>TabellaConfronto</name>
    <message>
        <source>Band or rating</source>
        <translation>Banda o indice</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>%1 stored</source>
        <translation>%1 memorizzato</translation>
    </message>
    <message>
        <source>%1 computed (dB)</source>
        <translation>%1 calcolato (dB)</translation>
    </message>
    <message>
        <source>Unfavourable deviations (dB)</source>
        <translation>Scostamenti sfavorevoli (dB)</translation>
    </message>
</context>
<context>
    <name>TipoMateriale</name>
    <message>
        <source>Rw (laboratory)</source>
        <translation>Rw (laboratorio)</translation>
    </message>
    <message>
        <source>DRw (laboratory)</source>
        <translation>DRw (laboratorio)</translation>
    </message>
    <message>
        <source>Lnw (laboratory)</source>
        <translation>Lnw (laboratorio)</translation>
    </message>
    <message>
        <source>DLw (laboratory)</source>
        <translation>DLw (laboratorio)</translation>
    </message>
    <message>
        <source>Windows and doors</source>
        <translation>Infissi</translation>
    </message>
    <message>
        <source>R&apos;w (in situ)</source>
        <translation>R&apos;w (in opera)</translation>
    </message>
    <message>
        <source>L&apos;nw (in situ)</source>
        <translation>L&apos;nw (in opera)</translation>
    </message>
    <message>
        <source>Dnew (small elements)</source>
        <translation>Dnew (piccoli elementi)</translation>
    </message>
    <message>
        <source>Rw (theoretical)</source>
        <translation>Rw (teorico)</translation>
    </message>
    <message>
        <source>Lnw (theoretical)</source>
        <translation>Lnw (teorico)</translation>
    </message>
    <message>
        <source>DRw (theoretical)</source>
        <translation>DRw (teorico)</translation>
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
