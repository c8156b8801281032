<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AppuntiBande</name>
    <message>
        <source>The clipboard holds «%1», which is not a number: nothing was pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no band values: nothing was pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds %1 values; band values are pasted as 21 (50 to 5000 Hz) or 16 (100 to 3150 Hz): nothing was pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The band of %1 Hz is an empty cell in the clipboard: nothing was pasted.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data sheet as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the data sheet...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the band values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No entry is shown: choose one in the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» is no longer in %2 (table %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» cannot be read from %2 (table %3).
%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the data sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data sheet of «%1» could not be printed.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison of curves</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FinestraConfronto</name>
    <message>
        <source>comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison - ZELMARtek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the entry chosen in the legend or the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes every entry from the comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;ference curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows each entry&apos;s shifted reference curve (100 to 3150 Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF page...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;table (CSV)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the table to the clipboard, tab-separated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add entries from the main window to compare their curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz: %2 dB - %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The comparison could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Paste bands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pastes 21 band values (50 to 5000 Hz) or 16 (100 to 3150 Hz) from the clipboard (Ctrl+Shift+V)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraficoCurve</name>
    <message>
        <source>Frequency (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>computed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not computed: a band from 100 to 3150 Hz has no value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InsiemeConfronto</name>
    <message>
        <source>«%1» is already in the comparison.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The comparison already holds %1 entries, as many as it can: remove one before adding «%2».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» holds %2 band values, the entries compared hold %3 values: only curves of one quantity can be compared.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SchedaTecnica</name>
    <message>
        <source>Computed from the bands: none, ISO 717 gives no single-number rating for the improvement of a lining.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computed from the bands: none, a band from 100 to 3150 Hz has no value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computed from the bands (%1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; unfavourable deviations %1 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2, table %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requesting company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physical data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid line and markers: the band values; dashed line: the shifted reference curve (100 to 3150 Hz).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line and markers: the band values; a band without a value is a gap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfavourable (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data sheet written on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: the page could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TabellaConfronto</name>
    <message>
        <source>Band or rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 computed (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfavourable deviations (dB)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TipiVoce</name>
    <message>
        <source>Rw (laboratory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&apos;w (in situ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DRw (laboratory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lnw (laboratory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;nw (in situ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DLw (laboratory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows and doors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rw (theoretical)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lnw (theoretical)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dnew (small elements)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DRw (theoretical)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
