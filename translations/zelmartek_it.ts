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
    <name>AttesaServerFinestra</name>
    <message>
        <source>Stop waiting</source>
        <translation>Smetti di aspettare</translation>
    </message>
    <message>
        <source>Waiting for the database %1 to %2: %3 s so far.
The server may be busy, or held by another user.</source>
        <translation>In attesa del database %1 per %2: finora %3 s.
Il server può essere occupato, o tenuto da un altro utente.</translation>
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
        <source>The demo data could not be copied into %1:</source>
        <translation>Non è stato possibile copiare i dati dimostrativi in %1:</translation>
    </message>
    <message>
        <source>Usage: zelmartek [--dati-dimostrativi] [--esci-dopo-avvio]
Starts ZELMARtek with the settings of %1 and the pictures of %2.
  --dati-dimostrativi  copy the demo data into a missing data folder without asking
  --esci-dopo-avvio    end as soon as the main window shows its first entry (exit status 0), or 1 when it shows none
  --help               print this help
</source>
        <translation>Uso: zelmartek [--dati-dimostrativi] [--esci-dopo-avvio]
Avvia ZELMARtek con le impostazioni di %1 e le immagini di %2.
  --dati-dimostrativi  copia i dati dimostrativi in una cartella dei dati mancante senza chiedere
  --esci-dopo-avvio    termina appena la finestra principale mostra la prima voce (stato di uscita 0), o 1 quando non ne mostra
  --help               stampa questo aiuto
</translation>
    </message>
    <message>
        <source>Your folders for ZELMARtek could not be readied:</source>
        <translation>Non è stato possibile preparare le tue cartelle di ZELMARtek:</translation>
    </message>
    <message>
        <source>ZELMARtek could not be started:</source>
        <translation>Non è stato possibile avviare ZELMARtek:</translation>
    </message>
</context>
<context>
    <name>AvvisoModificaAltrui</name>
    <message>
        <source>(no value)</source>
        <translation>(nessun valore)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more column(s)</source>
        <translation>
            <numerusform>e un&apos;altra colonna</numerusform>
            <numerusform>e altre %n colonne</numerusform>
        </translation>
    </message>
    <message>
        <source>Another user has changed this entry since it was shown, so nothing was saved.</source>
        <translation>Un altro utente ha modificato questo materiale dopo che è stato mostrato, perciò non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Changed (as shown → as stored now):</source>
        <translation>Modificato (com&apos;era mostrato → come è memorizzato ora):</translation>
    </message>
    <message>
        <source>Your values are still in the editor. Press Ok again to save them over these changes, or Annulla to keep the other user&apos;s.</source>
        <translation>I valori inseriti sono ancora nell&apos;editor. Premere di nuovo Ok per salvarli al posto di queste modifiche, o Annulla per tenere quelle dell&apos;altro utente.</translation>
    </message>
</context>
<context>
    <name>CartelleUtente</name>
    <message>
        <source>%1: the copy of the program an earlier version made cannot be removed</source>
        <translation>%1: non è possibile eliminare la copia del programma fatta da una versione precedente</translation>
    </message>
    <message>
        <source>%1 cannot be moved to %2</source>
        <translation>Non è possibile spostare %1 in %2</translation>
    </message>
</context>
<context>
    <name>CasellaData</name>
    <message>
        <source>day/month/year</source>
        <translation>giorno/mese/anno</translation>
    </message>
    <message>
        <source>Choose in the calendar</source>
        <translation>Scegli nel calendario</translation>
    </message>
</context>
<context>
    <name>CasellaElemento</name>
    <message>
        <source>%1 in dB: type a single number, or take an entry</source>
        <translation>%1 in dB: digitare un numero unico, o prendere una voce</translation>
    </message>
    <message>
        <source>m&apos; (kg/m²)</source>
        <translation>m&apos; (kg/m²)</translation>
    </message>
    <message>
        <source>Use the entry shown</source>
        <translation>Usa la voce mostrata</translation>
    </message>
    <message>
        <source>Puts the entry the main window shows into this slot</source>
        <translation>Mette in questo posto la voce mostrata dalla finestra principale</translation>
    </message>
    <message>
        <source>Search the library...</source>
        <translation>Cerca nella libreria...</translation>
    </message>
    <message>
        <source>Empty the slot</source>
        <translation>Svuota il posto</translation>
    </message>
    <message>
        <source>«%1», table %2 of %3</source>
        <translation>«%1», tabella %2 di %3</translation>
    </message>
    <message>
        <source>typed values</source>
        <translation>valori digitati</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source> (bands)</source>
        <translation> (bande)</translation>
    </message>
    <message>
        <source>The element has one-third-octave band values.</source>
        <translation>L&apos;elemento ha i valori in bande di terzo d&apos;ottava.</translation>
    </message>
</context>
<context>
    <name>ComandiProgetto</name>
    <message>
        <source>Acoustic design...</source>
        <translation>Progetto acustico...</translation>
    </message>
    <message>
        <source>Acoustic design: predict the building from library entries</source>
        <translation>Progetto acustico: prevedere l&apos;edificio dalle voci della libreria</translation>
    </message>
</context>
<context>
    <name>ComandiRicerca</name>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>Search every database...</source>
        <translation>Cerca in tutti i database...</translation>
    </message>
    <message>
        <source>Copy into the custom database</source>
        <translation>Copia nel database personalizzato</translation>
    </message>
    <message>
        <source>«%1» could not be read from %2: %3</source>
        <translation>Impossibile leggere «%1» da %2: %3</translation>
    </message>
    <message>
        <source>«%1» is no longer in %2 (table %3).</source>
        <translation>«%1» non è più in %2 (tabella %3).</translation>
    </message>
    <message>
        <source>No entry is shown: choose one in the list first.</source>
        <translation>Nessun materiale visualizzato: sceglierne prima uno nell&apos;elenco.</translation>
    </message>
    <message>
        <source>The category tree has no custom table for %1.</source>
        <translation>L&apos;albero delle categorie non ha una tabella personalizzata per %1.</translation>
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
    <message>
        <source>«%1» is no longer in %2 (table %3).</source>
        <translation>«%1» non è più in %2 (tabella %3).</translation>
    </message>
    <message>
        <source>Letterhead of the data sheets...</source>
        <translation>Carta intestata delle schede tecniche...</translation>
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
    <name>DatabaseCondiviso</name>
    <message>
        <source>The connection string of the shared database holds a password, which the program does not use from there: keep the password in the file ~/.pgpass (or in PGPASSWORD) and remove it from %1.</source>
        <translation>La stringa di connessione del database condiviso contiene una password, che il programma non usa da lì: tenere la password nel file ~/.pgpass (o in PGPASSWORD) e toglierla da %1.</translation>
    </message>
</context>
<context>
    <name>DialogoCartaIntestata</name>
    <message>
        <source>Letterhead of the data sheets - ZELMARtek</source>
        <translation>Carta intestata delle schede tecniche - ZELMARtek</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>&amp;Scegli...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Togli</translation>
    </message>
    <message>
        <source>&amp;Laboratory:</source>
        <translation>&amp;Laboratorio:</translation>
    </message>
    <message>
        <source>L&amp;ogo:</source>
        <translation>L&amp;ogo:</translation>
    </message>
    <message>
        <source>Printed at the top of every data sheet; leave both empty for none.</source>
        <translation>Stampata in testa a ogni scheda tecnica; lasciare vuoti entrambi per non averla.</translation>
    </message>
    <message>
        <source>Logo of the letterhead</source>
        <translation>Logo della carta intestata</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.svg)</source>
        <translation>Immagini (*.png *.jpg *.jpeg *.bmp *.svg)</translation>
    </message>
    <message>
        <source>«%1» cannot be read as a picture.</source>
        <translation>«%1» non si può leggere come immagine.</translation>
    </message>
</context>
<context>
    <name>EditorSituazione</name>
    <message>
        <source>None (no limit)</source>
        <translation>Nessuna (nessun limite)</translation>
    </message>
    <message>
        <source>A - residences</source>
        <translation>A - residenze o assimilabili</translation>
    </message>
    <message>
        <source>B - offices</source>
        <translation>B - uffici e assimilabili</translation>
    </message>
    <message>
        <source>C - hotels and boarding houses</source>
        <translation>C - alberghi, pensioni</translation>
    </message>
    <message>
        <source>D - hospitals, clinics, nursing homes</source>
        <translation>D - ospedali, cliniche, case di cura</translation>
    </message>
    <message>
        <source>E - schools</source>
        <translation>E - scuole</translation>
    </message>
    <message>
        <source>F - recreation and worship</source>
        <translation>F - attività ricreative o di culto</translation>
    </message>
    <message>
        <source>G - commerce</source>
        <translation>G - attività commerciali</translation>
    </message>
    <message>
        <source>Airborne sound between rooms</source>
        <translation>Isolamento tra ambienti (rumore aereo)</translation>
    </message>
    <message>
        <source>Impact sound</source>
        <translation>Rumore di calpestio</translation>
    </message>
    <message>
        <source>Facade</source>
        <translation>Facciata</translation>
    </message>
    <message>
        <source>Automatic: detailed when every element has bands</source>
        <translation>Automatico: dettagliato quando ogni elemento ha le bande</translation>
    </message>
    <message>
        <source>Detailed (bands)</source>
        <translation>Dettagliato (bande)</translation>
    </message>
    <message>
        <source>Simplified (single numbers)</source>
        <translation>Semplificato (indici unici)</translation>
    </message>
    <message>
        <source>&amp;Situation</source>
        <translation>&amp;Situazione</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modello</translation>
    </message>
    <message>
        <source>Building &amp;category</source>
        <translation>&amp;Categoria dell&apos;edificio</translation>
    </message>
    <message>
        <source>Geometry</source>
        <translation>Geometria</translation>
    </message>
    <message>
        <source>S&amp;s (m²)</source>
        <translation>S&amp;s (m²)</translation>
    </message>
    <message>
        <source>Area of the separating element, m²</source>
        <translation>Superficie dell&apos;elemento di separazione, m²</translation>
    </message>
    <message>
        <source>&amp;V (m³)</source>
        <translation>&amp;V (m³)</translation>
    </message>
    <message>
        <source>Volume of the receiving room, m³</source>
        <translation>Volume dell&apos;ambiente ricevente, m³</translation>
    </message>
    <message>
        <source>Separating element</source>
        <translation>Elemento di separazione</translation>
    </message>
    <message>
        <source>Lining, source room</source>
        <translation>Rivestimento, ambiente emittente</translation>
    </message>
    <message>
        <source>Lining, receiving room</source>
        <translation>Rivestimento, ambiente ricevente</translation>
    </message>
    <message>
        <source>&amp;Junctions with flanking elements</source>
        <translation>&amp;Giunti con elementi laterali</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Solaio</translation>
    </message>
    <message>
        <source>Bare floor (Ln,w measured, or from m&apos;)</source>
        <translation>Solaio nudo (Ln,w, o solo m&apos;)</translation>
    </message>
    <message>
        <source>Floor covering or floating floor</source>
        <translation>Rivestimento o massetto galleggiante</translation>
    </message>
    <message>
        <source>m&apos; of the flanking elements (kg/m²)</source>
        <translation>m&apos; degli elementi laterali (kg/m²)</translation>
    </message>
    <message>
        <source>Mean mass per unit area of the homogeneous flanking elements</source>
        <translation>Massa superficiale media degli elementi laterali omogenei</translation>
    </message>
    <message>
        <source>V (m³)</source>
        <translation>V (m³)</translation>
    </message>
    <message>
        <source>S (m²)</source>
        <translation>S (m²)</translation>
    </message>
    <message>
        <source>Area of the facade seen from the room, m²</source>
        <translation>Superficie della facciata vista dall&apos;ambiente, m²</translation>
    </message>
    <message>
        <source>Volume of the room, m³</source>
        <translation>Volume dell&apos;ambiente, m³</translation>
    </message>
    <message>
        <source>ΔLfs (dB)</source>
        <translation>ΔLfs (dB)</translation>
    </message>
    <message>
        <source>Level difference due to the facade&apos;s shape, dB</source>
        <translation>Differenza di livello dovuta alla forma della facciata, dB</translation>
    </message>
    <message>
        <source>Facade &amp;elements</source>
        <translation>&amp;Elementi di facciata</translation>
    </message>
    <message>
        <source>S&amp;mall elements</source>
        <translation>&amp;Piccoli elementi</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementi</translation>
    </message>
    <message>
        <source>Element %1 (wall, window, door)</source>
        <translation>Elemento %1 (parete, finestra, porta)</translation>
    </message>
    <message>
        <source>Area of the element, m²</source>
        <translation>Superficie dell&apos;elemento, m²</translation>
    </message>
    <message>
        <source>Small element %1</source>
        <translation>Piccolo elemento %1</translation>
    </message>
</context>
<context>
    <name>ElementoDaVoce</name>
    <message>
        <source>«%1» is an entry of the kind «%2», which does not fit the %3: that takes %4.</source>
        <translation>«%1» è una voce del tipo «%2», che non va bene come %3: vi vanno %4.</translation>
    </message>
</context>
<context>
    <name>ElencoCandidati</name>
    <message>
        <source>&amp;Which constructions pass here?</source>
        <translation>&amp;Quali costruzioni vanno bene qui?</translation>
    </message>
    <message>
        <source>Tries every wall (or floor) of every database of the data folder as the separating element of this situation</source>
        <translation>Prova ogni parete (o solaio) di ogni database della cartella dei dati come elemento di separazione di questa situazione</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Double click: put the entry into the separating slot</source>
        <translation>Doppio clic: mette la voce al posto dell&apos;elemento di separazione</translation>
    </message>
    <message>
        <source>Every entry that fits the separating slot is tried in this situation.</source>
        <translation>Ogni voce adatta all&apos;elemento di separazione viene provata in questa situazione.</translation>
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
        <source>Met</source>
        <translation>Rispettato</translation>
    </message>
    <message>
        <source>m&apos; (kg/m²)</source>
        <translation>m&apos; (kg/m²)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>%1 entries looked at, %2 listed, %3 skipped (lacking what the model needs)</source>
        <translation>%1 voci esaminate, %2 elencate, %3 saltate (prive di ciò che serve al modello)</translation>
    </message>
    <message>
        <source> - cancelled</source>
        <translation> - annullata</translation>
    </message>
    <message>
        <source>Could not be read: %1</source>
        <translation>Non è stato possibile leggere: %1</translation>
    </message>
    <message>
        <source>The situation has changed since this list was made: search again to try the entries in it.</source>
        <translation>La situazione è cambiata da quando è stato fatto questo elenco: cercare di nuovo per provarvi le voci.</translation>
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
    <name>FileDiUscita</name>
    <message>
        <source>the output «%1» is not a regular file: it is not replaced</source>
        <translation>l&apos;uscita «%1» non è un file normale: non viene sostituita</translation>
    </message>
    <message>
        <source>the output «%1» is the input «%2»: it is not replaced</source>
        <translation>l&apos;uscita «%1» è il file letto «%2»: non viene sostituita</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>FileProgetto</name>
    <message>
        <source>is the source of no element of this situation</source>
        <translation>non è la fonte di alcun elemento di questa situazione</translation>
    </message>
    <message>
        <source>is not an object with the texts &quot;file&quot;, &quot;tabella&quot; and &quot;Nome&quot;</source>
        <translation>non è un oggetto con i testi &quot;file&quot;, &quot;tabella&quot; e &quot;Nome&quot;</translation>
    </message>
    <message>
        <source>the file «%1» does not exist</source>
        <translation>il file «%1» non esiste</translation>
    </message>
    <message>
        <source>«%1» could not be read: %2</source>
        <translation>non è stato possibile leggere «%1»: %2</translation>
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
        <source>Export chart as &amp;PNG...</source>
        <translation>Esporta il grafico in &amp;PNG...</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>Export chart as &amp;SVG...</source>
        <translation>Esporta il grafico in &amp;SVG...</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Disegni SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export chart as P&amp;DF...</source>
        <translation>Esporta il grafico in P&amp;DF...</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export &amp;table (CSV)...</source>
        <translation>Esporta &amp;tabella (CSV)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
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
    <message>
        <source>E&amp;xport chart</source>
        <translation>E&amp;sporta grafico</translation>
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
        <source>Differs from the value computed from the bands</source>
        <translation>Diverso dal valore calcolato dalle bande</translation>
    </message>
</context>
<context>
    <name>FinestraProgetto</name>
    <message>
        <source>Acoustic design projects (*.%1)</source>
        <translation>Progetti acustici (*.%1)</translation>
    </message>
    <message>
        <source>band values</source>
        <translation>valori in bande</translation>
    </message>
    <message>
        <source>&amp;Result</source>
        <translation>&amp;Risultato</translation>
    </message>
    <message>
        <source>Which constructions &amp;pass here?</source>
        <translation>Quali costruzioni &amp;vanno bene qui?</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Progetto</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Progetto</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation>Progetti recenti</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>&amp;Report as PDF...</source>
        <translation>&amp;Relazione in PDF...</translation>
    </message>
    <message>
        <source>&amp;Print the report...</source>
        <translation>S&amp;tampa la relazione...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Describe the situation completely first.</source>
        <translation>Descrivere prima la situazione per intero.</translation>
    </message>
    <message>
        <source>A facade has no separating element to try entries in.</source>
        <translation>Una facciata non ha un elemento di separazione in cui provare le voci.</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>senza nome</translation>
    </message>
    <message>
        <source>Acoustic design - %1[*] - ZELMARtek</source>
        <translation>Progetto acustico - %1[*] - ZELMARtek</translation>
    </message>
    <message>
        <source>«%1» could not be read from %2: %3</source>
        <translation>Impossibile leggere «%1» da %2: %3</translation>
    </message>
    <message>
        <source>«%1» is no longer in %2 (table %3).</source>
        <translation>«%1» non è più in %2 (tabella %3).</translation>
    </message>
    <message>
        <source>«%1» is now in the slot «%2».</source>
        <translation>«%1» è ora al posto «%2».</translation>
    </message>
    <message>
        <source>The main window shows no entry: choose one in its list first.</source>
        <translation>La finestra principale non mostra alcuna voce: sceglierne prima una nel suo elenco.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: %2</source>
        <translation>Il progetto %1 non si può aprire: %2</translation>
    </message>
    <message>
        <source>«%1» (%2, table %3)</source>
        <translation>«%1» (%2, tabella %3)</translation>
    </message>
    <message>
        <source>%1: the entry has changed</source>
        <translation>%1: la voce è cambiata</translation>
    </message>
    <message>
        <source>%1: the entry is gone</source>
        <translation>%1: la voce non c&apos;è più</translation>
    </message>
    <message>
        <source>%1: could not be read (%2)</source>
        <translation>%1: non è stato possibile leggerla (%2)</translation>
    </message>
    <message>
        <source>Some entries this project&apos;s elements came from are not what they were; the project keeps the values it stored:
%1</source>
        <translation>Alcune voci da cui vengono gli elementi di questo progetto non sono più quelle di prima; il progetto tiene i valori che ha memorizzato:
%1</translation>
    </message>
    <message>
        <source>The project cannot be saved yet: «%1»: %2
A project file holds a complete situation.</source>
        <translation>Il progetto non si può ancora salvare: «%1»: %2
Un file di progetto contiene una situazione completa.</translation>
    </message>
    <message>
        <source>The project could not be saved in %1: %2</source>
        <translation>Non è stato possibile salvare il progetto in %1: %2</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message>
        <source>project</source>
        <translation>progetto</translation>
    </message>
    <message>
        <source>Save the project</source>
        <translation>Salva il progetto</translation>
    </message>
    <message>
        <source>Open a project</source>
        <translation>Apri un progetto</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>Save the changes to the project first?</source>
        <translation>Salvare prima le modifiche al progetto?</translation>
    </message>
    <message>
        <source>The situation is not complete yet: there is no result to report.</source>
        <translation>La situazione non è ancora completa: non c&apos;è un risultato da riportare.</translation>
    </message>
    <message>
        <source>Acoustic design - report</source>
        <translation>Progetto acustico - relazione</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>non è stato possibile scrivere il file</translation>
    </message>
    <message>
        <source>The report could not be written in %1: %2</source>
        <translation>Non è stato possibile scrivere la relazione in %1: %2</translation>
    </message>
    <message>
        <source>Report as PDF</source>
        <translation>Relazione in PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Non è stato possibile stampare la relazione.</translation>
    </message>
    <message>
        <source>Puts the entry chosen into «%1» of the design window</source>
        <translation>Mette la voce scelta in «%1» della finestra di progetto</translation>
    </message>
    <message>
        <source>Find the entry, choose it, then press «Use in the project».</source>
        <translation>Trovare la voce, sceglierla, poi premere «Usa nel progetto».</translation>
    </message>
</context>
<context>
    <name>FinestraRicerca</name>
    <message>
        <source>Search - ZELMARtek</source>
        <translation>Ricerca - ZELMARtek</translation>
    </message>
    <message>
        <source>&amp;Kinds (none checked: all)</source>
        <translation>&amp;Tipi (nessuno spuntato: tutti)</translation>
    </message>
    <message>
        <source>&amp;Databases</source>
        <translation>&amp;Database</translation>
    </message>
    <message>
        <source>name, keyword, description, certificate, testing body, company</source>
        <translation>nome, parola chiave, descrizione, certificato, ente, società</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>Te&amp;sto:</translation>
    </message>
    <message>
        <source>from</source>
        <translation>da</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>&amp;Rating (Rw, DRw, Ln,w, ΔLw, Dn,e,w):</source>
        <translation>&amp;Indice (Rw, DRw, Ln,w, ΔLw, Dn,e,w):</translation>
    </message>
    <message>
        <source>Rating + &amp;first term (Rw + C, Ln,w + CI):</source>
        <translation>Indice + &amp;primo termine (Rw + C, Ln,w + CI):</translation>
    </message>
    <message>
        <source>Rating + &amp;second term (Rw + Ctr):</source>
        <translation>Indice + s&amp;econdo termine (Rw + Ctr):</translation>
    </message>
    <message>
        <source>&amp;m&apos; (kg/m²):</source>
        <translation>&amp;m&apos; (kg/m²):</translation>
    </message>
    <message>
        <source>&amp;s (mm):</source>
        <translation>s (mm&amp;):</translation>
    </message>
    <message>
        <source>&amp;Area (m²):</source>
        <translation>&amp;Area (m²):</translation>
    </message>
    <message>
        <source>Test date f&amp;rom:</source>
        <translation>Data di p&amp;rova dal:</translation>
    </message>
    <message>
        <source>Test date &amp;until:</source>
        <translation>Data di prova a&amp;l:</translation>
    </message>
    <message>
        <source>Stored rating &amp;differs from the one computed from the curve</source>
        <translation>Indice memorizzato &amp;diverso da quello calcolato dalla curva</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>A&amp;zzera</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>S&amp;how in the main window</source>
        <translation>&amp;Mostra nella finestra principale</translation>
    </message>
    <message>
        <source>Add to the c&amp;omparison</source>
        <translation>Aggiungi al c&amp;onfronto</translation>
    </message>
    <message>
        <source>Cop&amp;y into the custom database</source>
        <translation>Copia nel database &amp;personalizzato</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>Esporta &amp;CSV...</translation>
    </message>
    <message>
        <source>Experimental databases</source>
        <translation>Database sperimentali</translation>
    </message>
    <message>
        <source>«%1» is not a number.</source>
        <translation>«%1» non è un numero.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, table %2: %3</source>
        <translation>%1, tabella %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n entries found</source>
        <translation>
            <numerusform>%n materiale trovato</numerusform>
            <numerusform>%n materiali trovati</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 tables searched, %3 entries read.</source>
        <translation>%1 tabelle su %2 esaminate, %3 materiali letti.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullata.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Completata.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or table(s) could not be read:</source>
        <translation>
            <numerusform>%n file o tabella non leggibile:</numerusform>
            <numerusform>%n file o tabelle non leggibili:</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the entries found as CSV</source>
        <translation>Esporta i materiali trovati in CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file «%1» could not be written: %2</source>
        <translation>Impossibile scrivere il file «%1»: %2</translation>
    </message>
    <message>
        <source>«%1» is not a date: day/month/year, such as 31/12/2012.</source>
        <translation>«%1» non è una data: giorno/mese/anno, come 31/12/2012.</translation>
    </message>
    <message>
        <source>&amp;Use in the project</source>
        <translation>&amp;Usa nel progetto</translation>
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
    <message numerus="yes">
        <source>%1 of %n table(s) checked</source>
        <translation>
            <numerusform>%1 tabella verificata su %n</numerusform>
            <numerusform>%1 tabelle verificate su %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(ies) rated</source>
        <translation>
            <numerusform>%Ln voce valutata</numerusform>
            <numerusform>%Ln voci valutate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln stored rating(s) differing from the computed one(s).</source>
        <translation>
            <numerusform>%Ln indice memorizzato diverso da quello calcolato.</numerusform>
            <numerusform>%Ln indici memorizzati diversi da quelli calcolati.</numerusform>
        </translation>
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
    <message>
        <source>declared %1</source>
        <translation>dichiarati %1</translation>
    </message>
    <message>
        <source>declared %1 (not as computed: %2)</source>
        <translation>dichiarati %1 (diversi dai calcolati: %2)</translation>
    </message>
</context>
<context>
    <name>GraficoScheda</name>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Frequenza (Hz)</translation>
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
    <name>ImportazioneJet</name>
    <message>
        <source>Converted: %1 (%2 tables, %3 rows); the original is in %4</source>
        <translation>Convertito: %1 (%2 tabelle, %3 righe); l&apos;originale è in %4</translation>
    </message>
    <message>
        <source>Already in the program&apos;s format: %1</source>
        <translation>Già nel formato del programma: %1</translation>
    </message>
    <message>
        <source>Not converted: %1: %2</source>
        <translation>Non convertito: %1: %2</translation>
    </message>
    <message>
        <source>Left as it was, the import cancelled: %1</source>
        <translation>Lasciato com&apos;era, importazione annullata: %1</translation>
    </message>
    <message>
        <source>Files converted: %1; already in the program&apos;s format: %2; not converted: %3</source>
        <translation>File convertiti: %1; già nel formato del programma: %2; non convertiti: %3</translation>
    </message>
    <message>
        <source>; left as they were by the cancel: %1</source>
        <translation>; lasciati com&apos;erano per l&apos;annullamento: %1</translation>
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
    <name>LetturaSituazione</name>
    <message>
        <source>the key is missing</source>
        <translation>la chiave manca</translation>
    </message>
    <message>
        <source>must be greater than zero</source>
        <translation>deve essere maggiore di zero</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>non è un numero</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>non è un oggetto</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>non è un elenco</translation>
    </message>
    <message>
        <source>is neither &quot;dettagliato&quot; nor &quot;semplificato&quot;</source>
        <translation>non è né &quot;dettagliato&quot; né &quot;semplificato&quot;</translation>
    </message>
    <message>
        <source>holds %1 values: band values are 21 (50 to 5000 Hz) or 16 (100 to 3150 Hz)</source>
        <translation>ha %1 valori: i valori di banda sono 21 (da 50 a 5000 Hz) o 16 (da 100 a 3150 Hz)</translation>
    </message>
    <message>
        <source>holds %1 band values and «%2» %3: the band arrays of one input have one length</source>
        <translation>ha %1 valori di banda e «%2» %3: gli elenchi di bande di un ingresso hanno una sola lunghezza</translation>
    </message>
    <message>
        <source>value %1 (%2 Hz) is neither a number nor null</source>
        <translation>il valore %1 (%2 Hz) non è né un numero né null</translation>
    </message>
    <message>
        <source>has no value at %1 Hz: the detailed model needs every band from 100 to 3150 Hz</source>
        <translation>non ha un valore a %1 Hz: il modello dettagliato richiede ogni banda da 100 a 3150 Hz</translation>
    </message>
    <message>
        <source>is not a list of band values</source>
        <translation>non è un elenco di valori di banda</translation>
    </message>
    <message>
        <source>the detailed model needs band values, and only «%1» is given</source>
        <translation>il modello dettagliato richiede i valori di banda, ed è dato solo «%1»</translation>
    </message>
    <message>
        <source>the simplified model needs a single number, and only the bands «%1» are given</source>
        <translation>il modello semplificato richiede un indice unico, e sono date solo le bande «%1»</translation>
    </message>
    <message>
        <source>the detailed model needs band values here, not a single number</source>
        <translation>il modello dettagliato richiede qui i valori di banda, non un numero</translation>
    </message>
    <message>
        <source>the simplified model needs a single number here, not band values</source>
        <translation>il modello semplificato richiede qui un numero, non valori di banda</translation>
    </message>
    <message>
        <source>the key is missing: a rigid junction&apos;s Kij needs the masses</source>
        <translation>la chiave manca: il Kij di un giunto rigido richiede le masse</translation>
    </message>
    <message>
        <source>is neither &quot;croce&quot;, &quot;T&quot; nor an object with KFf, KFd and KDf</source>
        <translation>non è né &quot;croce&quot;, né &quot;T&quot;, né un oggetto con KFf, KFd e KDf</translation>
    </message>
    <message>
        <source>impact sound is predicted by the simplified model only</source>
        <translation>il calpestio si prevede solo con il modello semplificato</translation>
    </message>
    <message>
        <source>the facade has no element</source>
        <translation>la facciata non ha elementi</translation>
    </message>
    <message>
        <source>is neither &quot;aereo&quot;, &quot;calpestio&quot; nor &quot;facciata&quot;</source>
        <translation>non è né &quot;aereo&quot;, né &quot;calpestio&quot;, né &quot;facciata&quot;</translation>
    </message>
    <message>
        <source>is not a building category from &quot;A&quot; to &quot;G&quot;</source>
        <translation>non è una categoria di edificio da &quot;A&quot; a &quot;G&quot;</translation>
    </message>
    <message>
        <source>not valid JSON: %1 (at character %2)</source>
        <translation>JSON non valido: %1 (al carattere %2)</translation>
    </message>
    <message>
        <source>the input is not a JSON object</source>
        <translation>l&apos;ingresso non è un oggetto JSON</translation>
    </message>
</context>
<context>
    <name>LetturePg</name>
    <message>
        <source>read the table «%1»</source>
        <translation>leggere la tabella «%1»</translation>
    </message>
</context>
<context>
    <name>ModelloRisultati</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>Ratings</source>
        <translation>Indici</translation>
    </message>
    <message>
        <source>Test date</source>
        <translation>Data prova</translation>
    </message>
    <message>
        <source>Testing body</source>
        <translation>Ente di prova</translation>
    </message>
</context>
<context>
    <name>PannelloRisultati</name>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Value (dB)</source>
        <translation>Valore (dB)</translation>
    </message>
    <message>
        <source>Share of energy (%)</source>
        <translation>Quota di energia (%)</translation>
    </message>
    <message>
        <source>Every transmission path, the one that carries the most sound first</source>
        <translation>Ogni percorso di trasmissione, prima quello che trasmette più suono</translation>
    </message>
    <message>
        <source>No building category chosen: no limit to meet.</source>
        <translation>Nessuna categoria dell&apos;edificio scelta: nessun limite da rispettare.</translation>
    </message>
    <message>
        <source>No result yet</source>
        <translation>Ancora nessun risultato</translation>
    </message>
    <message>
        <source>R&apos; in the building</source>
        <translation>R&apos; in opera</translation>
    </message>
    <message>
        <source>R of the separating element (laboratory)</source>
        <translation>R dell&apos;elemento di separazione (laboratorio)</translation>
    </message>
    <message>
        <source>No band values: the chart needs the detailed model</source>
        <translation>Nessun valore in bande: il grafico richiede il modello dettagliato</translation>
    </message>
    <message>
        <source>R&apos; per band (blue; dashed: its shifted reference curve)</source>
        <translation>R&apos; per banda (blu; tratteggiata: la sua curva di riferimento traslata)</translation>
    </message>
    <message>
        <source>R&apos; per band (blue; dashed: its shifted reference curve) and the separating element&apos;s R (red)</source>
        <translation>R&apos; per banda (blu; tratteggiata: la sua curva di riferimento traslata) e R dell&apos;elemento di separazione (rosso)</translation>
    </message>
</context>
<context>
    <name>PgConnessione</name>
    <message>
        <source>«%1» on the server «%2»</source>
        <translation>«%1» sul server «%2»</translation>
    </message>
    <message>
        <source>Could not connect to the database %1: out of memory.</source>
        <translation>Impossibile collegarsi al database %1: memoria esaurita.</translation>
    </message>
    <message>
        <source>Could not connect to the database %1: %2</source>
        <translation>Impossibile collegarsi al database %1: %2</translation>
    </message>
    <message>
        <source>the connection to the server was lost (%1)</source>
        <translation>la connessione al server si è interrotta (%1)</translation>
    </message>
    <message>
        <source>Could not %1 in the database %2: %3.</source>
        <translation>Impossibile %1 nel database %2: %3.</translation>
    </message>
    <message>
        <source>the server has not answered for %1 s, so the program stopped waiting</source>
        <translation>il server non risponde da %1 s, e il programma ha smesso di aspettare</translation>
    </message>
    <message>
        <source>waiting for the server was given up after %1 s</source>
        <translation>l&apos;attesa del server è stata abbandonata dopo %1 s</translation>
    </message>
    <message>
        <source>another connection holds what this needs, and %1 s went by waiting for it</source>
        <translation>un&apos;altra connessione tiene ciò che serve, e si è atteso invano per %1 s</translation>
    </message>
    <message>
        <source>the server did not finish within %1 s</source>
        <translation>il server non ha finito entro %1 s</translation>
    </message>
    <message>
        <source>the server did not answer within %1 s</source>
        <translation>il server non ha risposto entro %1 s</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>connettersi</translation>
    </message>
    <message>
        <source>waiting for the server was given up</source>
        <translation>l&apos;attesa del server è stata abbandonata</translation>
    </message>
    <message>
        <source>prepare the connection</source>
        <translation>preparare la connessione</translation>
    </message>
</context>
<context>
    <name>PgDatabase</name>
    <message>
        <source>The database %1 is already closed.</source>
        <translation>Il database %1 è già chiuso.</translation>
    </message>
    <message>
        <source>list the tables</source>
        <translation>elencare le tabelle</translation>
    </message>
    <message>
        <source>create the tables</source>
        <translation>creare le tabelle</translation>
    </message>
    <message>
        <source>create the table «%1»</source>
        <translation>creare la tabella «%1»</translation>
    </message>
    <message>
        <source>The program&apos;s tables are created by the first user whose role may create tables in that database (see the README).</source>
        <translation>Le tabelle del programma sono create dal primo utente il cui ruolo può creare tabelle in quel database (vedere il README).</translation>
    </message>
    <message>
        <source>save in the table %1</source>
        <translation>salvare nella tabella %1</translation>
    </message>
    <message>
        <source>Could not save in the table %1 of the database %2: another user has been saving in it for a while. Try again in a moment.</source>
        <translation>Impossibile salvare nella tabella %1 del database %2: un altro utente vi sta salvando da un po&apos;. Riprovare fra un momento.</translation>
    </message>
    <message>
        <source>begin saving</source>
        <translation>iniziare il salvataggio</translation>
    </message>
    <message>
        <source>confirm the save</source>
        <translation>confermare il salvataggio</translation>
    </message>
    <message>
        <source>Whether the change reached the database before the connection was lost cannot be told: look at the list again.</source>
        <translation>Non si può sapere se la modifica abbia raggiunto il database prima che la connessione si interrompesse: guardare di nuovo l&apos;elenco.</translation>
    </message>
    <message>
        <source>Could not save in the database %1: the change was undone after an earlier failure.</source>
        <translation>Impossibile salvare nel database %1: la modifica è stata annullata dopo un errore precedente.</translation>
    </message>
    <message>
        <source>undo the change</source>
        <translation>annullare la modifica</translation>
    </message>
    <message>
        <source>read the tables</source>
        <translation>leggere le tabelle</translation>
    </message>
    <message>
        <source>empty the table «%1»</source>
        <translation>svuotare la tabella «%1»</translation>
    </message>
    <message>
        <source>write the rows of the table «%1»</source>
        <translation>scrivere le righe della tabella «%1»</translation>
    </message>
    <message>
        <source>store the picture «%1»</source>
        <translation>memorizzare l&apos;immagine «%1»</translation>
    </message>
    <message>
        <source>read the picture «%1»</source>
        <translation>leggere l&apos;immagine «%1»</translation>
    </message>
    <message>
        <source>the copy was given up</source>
        <translation>la copia è stata abbandonata</translation>
    </message>
    <message>
        <source>read the table «%1»</source>
        <translation>leggere la tabella «%1»</translation>
    </message>
</context>
<context>
    <name>PgRecordset</name>
    <message>
        <source>read the table «%1»</source>
        <translation>leggere la tabella «%1»</translation>
    </message>
    <message>
        <source>The table «%1» has no index «%2».</source>
        <translation>La tabella «%1» non ha l&apos;indice «%2».</translation>
    </message>
    <message>
        <source>No index was chosen for the search in the table «%1».</source>
        <translation>Non è stato scelto alcun indice per la ricerca nella tabella «%1».</translation>
    </message>
    <message>
        <source>search «%1» in the table «%2»</source>
        <translation>cercare «%1» nella tabella «%2»</translation>
    </message>
    <message>
        <source>save the row in the table «%1»</source>
        <translation>salvare la riga nella tabella «%1»</translation>
    </message>
    <message>
        <source>delete the row from the table «%1»</source>
        <translation>eliminare la riga dalla tabella «%1»</translation>
    </message>
</context>
<context>
    <name>PostoElemento</name>
    <message>
        <source>separating element</source>
        <translation>elemento di separazione</translation>
    </message>
    <message>
        <source>lining</source>
        <translation>rivestimento</translation>
    </message>
    <message>
        <source>flanking element</source>
        <translation>elemento laterale</translation>
    </message>
    <message>
        <source>floor under impact sound</source>
        <translation>solaio al calpestio</translation>
    </message>
    <message>
        <source>floor covering</source>
        <translation>rivestimento del pavimento</translation>
    </message>
    <message>
        <source>facade element</source>
        <translation>elemento di facciata</translation>
    </message>
    <message>
        <source>small element</source>
        <translation>piccolo elemento</translation>
    </message>
</context>
<context>
    <name>Prevedi</name>
    <message>
        <source>the input file is missing</source>
        <translation>manca il file di ingresso</translation>
    </message>
    <message>
        <source>unknown option «%1»</source>
        <translation>opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>one input file only: «%1» is one too many</source>
        <translation>un solo file di ingresso: «%1» è di troppo</translation>
    </message>
    <message>
        <source>the input file «%1» does not exist</source>
        <translation>il file di ingresso «%1» non esiste</translation>
    </message>
    <message>
        <source>zelmar-prevedi: %1 could not be read: %2
</source>
        <translation>zelmar-prevedi: non è stato possibile leggere %1: %2
</translation>
    </message>
    <message>
        <source>zelmar-prevedi: the result could not be written
</source>
        <translation>zelmar-prevedi: non è stato possibile scrivere il risultato
</translation>
    </message>
    <message>
        <source>Usage: zelmar-prevedi FILE.json
       zelmar-prevedi --candidati DATA_FOLDER FILE
       zelmar-prevedi -h | --help
</source>
        <translation>Uso: zelmar-prevedi FILE.json
     zelmar-prevedi --candidati CARTELLA_DATI FILE
     zelmar-prevedi -h | --help
</translation>
    </message>
    <message>
        <source>
Predicts the sound insulation in the building from its elements&apos; data and prints it as
one JSON object. FILE holds one JSON object (&quot;-&quot;: standard input); keys it does not
know are ignored, so a design project is read as it is. &quot;calcolo&quot; says what:
  aereo      between two rooms, EN 12354-1:2000: &quot;modello&quot; &quot;semplificato&quot; (single
             numbers) or &quot;dettagliato&quot; (bands); &quot;Ss&quot;, &quot;V&quot;; &quot;separazione&quot; {&quot;R&quot; | &quot;Rw&quot;,
             &quot;massa&quot;, &quot;DR_sorgente&quot;, &quot;DR_ricevente&quot;}; &quot;fianchi&quot; [{&quot;lunghezza&quot;,
             &quot;giunto&quot;: &quot;croce&quot; | &quot;T&quot; | {&quot;KFf&quot;, &quot;KFd&quot;, &quot;KDf&quot;}, &quot;F&quot; and &quot;f&quot; {&quot;R&quot; | &quot;Rw&quot;,
             &quot;massa&quot;, &quot;area&quot;, &quot;DR&quot;}}]. Prints &quot;R&apos;w&quot;, &quot;C&quot;, &quot;Ctr&quot;, &quot;DnT,w&quot;, &quot;DnT_C&quot;,
             &quot;DnT_Ctr&quot;, &quot;percorsi&quot; and, in bands, &quot;R&apos;&quot; and &quot;DnT&quot;.
  calpestio  impact under a floor, EN 12354-2:2000: &quot;massa&quot;, &quot;Lnw&quot;, &quot;DLw&quot;,
             &quot;massa_fianchi&quot;, &quot;V&quot;. Prints &quot;L&apos;n,w&quot;, &quot;L&apos;nT,w&quot;, &quot;K&quot;, &quot;Ln,w,eq&quot;.
  facciata   a facade, EN 12354-3:2000: &quot;S&quot;, &quot;V&quot;, &quot;DLfs&quot;, &quot;elementi&quot; [{&quot;area&quot;,
             &quot;R&quot; | &quot;Rw&quot;}], &quot;piccoli&quot; [{&quot;Dne&quot; | &quot;Dnew&quot;}]. Prints &quot;R&apos;w&quot;, &quot;C&quot;, &quot;Ctr&quot;,
             &quot;D2m,nT,w&quot;, &quot;percorsi&quot; and, in bands, &quot;R&apos;&quot; and &quot;D2m,nT&quot;.
Bands are 21 values, 50 to 5000 Hz, or 16, 100 to 3150 Hz; null, or 0 at 50-80 and
4000-5000 Hz, is a band without a value. With &quot;categoria&quot; &quot;A&quot; to &quot;G&quot; the output has
&quot;requisito&quot; (DPCM 5-12-1997, table B); &quot;classe&quot; is the class of UNI 11367:2010.

--candidati DATA_FOLDER FILE
  puts every entry of every database of the data folder that can be the separating
  element of FILE (a design project or an input of &quot;calcolo&quot; &quot;aereo&quot; or &quot;calpestio&quot;)
  in its place in turn: airborne, the walls of kinds Rw (laboratory) and Rw (theoretical),
  with their bands and mass in the detailed model, their Rw and mass in the simplified;
  impact, the floors of kinds Lnw (laboratory) and Lnw (theoretical), with their Lnw and
  mass. Entries lacking them (in bands, any value from 100 to 3150 Hz) are skipped and
  counted on standard error. Prints CSV, best first: File;Tabella;Nome;R&apos;w;DnT,w;
  Rispettato;m&apos; (kg/m²) (impact: L&apos;n,w;L&apos;nT,w), Rispettato against &quot;categoria&quot;.

Exit status: 0 done; 1 a file could not be read (the rest is done) or the output
written; 2 wrong usage or bad input (the message names the key).
</source>
        <translation>
Prevede l&apos;isolamento acustico in opera dai dati dei suoi elementi e lo scrive come un
oggetto JSON. FILE contiene un oggetto JSON (&quot;-&quot;: lo standard input); le chiavi che non
conosce sono ignorate, così un progetto si legge così com&apos;è. &quot;calcolo&quot; dice che cosa:
  aereo      tra due ambienti, EN 12354-1:2000: &quot;modello&quot; &quot;semplificato&quot; (indici
             unici) o &quot;dettagliato&quot; (bande); &quot;Ss&quot;, &quot;V&quot;; &quot;separazione&quot; {&quot;R&quot; | &quot;Rw&quot;,
             &quot;massa&quot;, &quot;DR_sorgente&quot;, &quot;DR_ricevente&quot;}; &quot;fianchi&quot; [{&quot;lunghezza&quot;,
             &quot;giunto&quot;: &quot;croce&quot; | &quot;T&quot; | {&quot;KFf&quot;, &quot;KFd&quot;, &quot;KDf&quot;}, &quot;F&quot; e &quot;f&quot; {&quot;R&quot; | &quot;Rw&quot;,
             &quot;massa&quot;, &quot;area&quot;, &quot;DR&quot;}}]. Scrive &quot;R&apos;w&quot;, &quot;C&quot;, &quot;Ctr&quot;, &quot;DnT,w&quot;, &quot;DnT_C&quot;,
             &quot;DnT_Ctr&quot;, &quot;percorsi&quot; e, in bande, &quot;R&apos;&quot; e &quot;DnT&quot;.
  calpestio  calpestio sotto un solaio, EN 12354-2:2000: &quot;massa&quot;, &quot;Lnw&quot;, &quot;DLw&quot;,
             &quot;massa_fianchi&quot;, &quot;V&quot;. Scrive &quot;L&apos;n,w&quot;, &quot;L&apos;nT,w&quot;, &quot;K&quot;, &quot;Ln,w,eq&quot;.
  facciata   una facciata, EN 12354-3:2000: &quot;S&quot;, &quot;V&quot;, &quot;DLfs&quot;, &quot;elementi&quot; [{&quot;area&quot;,
             &quot;R&quot; | &quot;Rw&quot;}], &quot;piccoli&quot; [{&quot;Dne&quot; | &quot;Dnew&quot;}]. Scrive &quot;R&apos;w&quot;, &quot;C&quot;, &quot;Ctr&quot;,
             &quot;D2m,nT,w&quot;, &quot;percorsi&quot; e, in bande, &quot;R&apos;&quot; e &quot;D2m,nT&quot;.
Le bande sono 21 valori, da 50 a 5000 Hz, o 16, da 100 a 3150 Hz; null, o 0 a 50-80 e
4000-5000 Hz, è una banda senza valore. Con &quot;categoria&quot; da &quot;A&quot; a &quot;G&quot; l&apos;uscita ha
&quot;requisito&quot; (DPCM 5-12-1997, tabella B); &quot;classe&quot; è la classe della UNI 11367:2010.

--candidati CARTELLA_DATI FILE
  mette a turno al posto dell&apos;elemento di separazione di FILE (un progetto o un ingresso
  con &quot;calcolo&quot; &quot;aereo&quot; o &quot;calpestio&quot;) ogni voce di ogni database della cartella dati che
  può esserlo: per via aerea, le pareti dei tipi Rw (laboratorio) e Rw (teorico), con bande
  e massa nel modello dettagliato, Rw e massa in quello semplificato; per il calpestio, i
  solai dei tipi Lnw (laboratorio) e Lnw (teorico), con Lnw e massa. Le voci che non li
  hanno (in bande, un valore qualsiasi da 100 a 3150 Hz) sono saltate e contate sullo
  standard error. Scrive CSV, dal migliore: File;Tabella;Nome;R&apos;w;DnT,w;Rispettato;
  m&apos; (kg/m²) (calpestio: L&apos;n,w;L&apos;nT,w), Rispettato rispetto a &quot;categoria&quot;.

Stato di uscita: 0 fatto; 1 un file non si è potuto leggere (il resto è fatto) o l&apos;uscita
scrivere; 2 uso errato o ingresso errato (il messaggio nomina la chiave).
</translation>
    </message>
    <message>
        <source>--candidati needs a data folder and an input file</source>
        <translation>--candidati vuole una cartella dati e un file d&apos;ingresso</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>--candidati needs &quot;aereo&quot; or &quot;calpestio&quot;</source>
        <translation>--candidati vuole &quot;aereo&quot; o &quot;calpestio&quot;</translation>
    </message>
    <message>
        <source>zelmar-prevedi: entries skipped, lacking what the model needs: %1
</source>
        <translation>zelmar-prevedi: voci saltate perché prive di ciò che serve al modello: %1
</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Stampa fronte-retro</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivata</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Rilegatura sul lato lungo</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Rilegatura sul lato corto</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Indicare pagine o intervalli separati da virgole. Un intervallo sono due numeri separati da un trattino. Ad es.: 3,5-7,9 stampa le pagine 3, 5, 6, 7 e 9.</translation>
    </message>
</context>
<context>
    <name>RapportoProgetto</name>
    <message>
        <source>detailed (one-third-octave bands)</source>
        <translation>dettagliato (bande di terzo d&apos;ottava)</translation>
    </message>
    <message>
        <source>simplified (single numbers)</source>
        <translation>semplificato (indici unici)</translation>
    </message>
    <message>
        <source>rigid cross</source>
        <translation>rigido a croce</translation>
    </message>
    <message>
        <source>rigid T</source>
        <translation>rigido a T</translation>
    </message>
    <message>
        <source>KFf %1, KFd %2, KDf %3 dB</source>
        <translation>KFf %1, KFd %2, KDf %3 dB</translation>
    </message>
    <message>
        <source>Airborne sound between rooms, EN 12354-1; model: %1</source>
        <translation>Isolamento tra ambienti, EN 12354-1; modello: %1</translation>
    </message>
    <message>
        <source>Ss = %1 m², V = %2 m³</source>
        <translation>Ss = %1 m², V = %2 m³</translation>
    </message>
    <message>
        <source>Junction %1: lf = %2 m, %3; S F = %4 m², S f = %5 m²</source>
        <translation>Giunto %1: lf = %2 m, %3; S F = %4 m², S f = %5 m²</translation>
    </message>
    <message>
        <source>Impact sound, EN 12354-2, simplified model</source>
        <translation>Rumore di calpestio, EN 12354-2, modello semplificato</translation>
    </message>
    <message>
        <source>m&apos; of the floor = %1 kg/m², m&apos; of the flanking elements = %2 kg/m², V = %3 m³</source>
        <translation>m&apos; del solaio = %1 kg/m², m&apos; degli elementi laterali = %2 kg/m², V = %3 m³</translation>
    </message>
    <message>
        <source>Facade, EN 12354-3; model: %1</source>
        <translation>Facciata, EN 12354-3; modello: %1</translation>
    </message>
    <message>
        <source>S = %1 m², V = %2 m³, ΔLfs = %3 dB</source>
        <translation>S = %1 m², V = %2 m³, ΔLfs = %3 dB</translation>
    </message>
    <message>
        <source>Building category %1 (DPCM 5-12-1997)</source>
        <translation>Categoria dell&apos;edificio %1 (DPCM 5-12-1997)</translation>
    </message>
    <message>
        <source>No building category</source>
        <translation>Nessuna categoria dell&apos;edificio</translation>
    </message>
    <message>
        <source>R&apos; in the building; dashed: its reference curve shifted</source>
        <translation>R&apos; in opera; tratteggiata: la sua curva di riferimento traslata</translation>
    </message>
    <message>
        <source>R of the separating element (laboratory)</source>
        <translation>R dell&apos;elemento di separazione (laboratorio)</translation>
    </message>
    <message>
        <source>Acoustic design - report</source>
        <translation>Progetto acustico - relazione</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source> - project %1</source>
        <translation> - progetto %1</translation>
    </message>
    <message>
        <source>Situation</source>
        <translation>Situazione</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementi</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Posto</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valori</translation>
    </message>
    <message>
        <source>Source entry</source>
        <translation>Voce di provenienza</translation>
    </message>
    <message>
        <source>«%1» (%2, %3)</source>
        <translation>«%1» (%2, %3)</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>digitato</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Transmission paths, weakest first</source>
        <translation>Percorsi di trasmissione, dal più debole</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Value (dB)</source>
        <translation>Valore (dB)</translation>
    </message>
    <message>
        <source>Share of energy (%)</source>
        <translation>Quota di energia (%)</translation>
    </message>
    <message>
        <source>Standards: %1</source>
        <translation>Norme: %1</translation>
    </message>
</context>
<context>
    <name>RiquadroGiunto</name>
    <message>
        <source>Coupling length lf of the junction, m</source>
        <translation>Lunghezza di accoppiamento lf del giunto, m</translation>
    </message>
    <message>
        <source>&amp;lf (m)</source>
        <translation>&amp;lf (m)</translation>
    </message>
    <message>
        <source>Rigid cross junction</source>
        <translation>Giunto rigido a croce</translation>
    </message>
    <message>
        <source>Rigid T junction</source>
        <translation>Giunto rigido a T</translation>
    </message>
    <message>
        <source>Typed Kij</source>
        <translation>Kij digitati</translation>
    </message>
    <message>
        <source>Junction type: Kij from the masses (EN 12354-1, annex E), or typed</source>
        <translation>Tipo di giunto: Kij dalle masse (EN 12354-1, appendice E), o digitati</translation>
    </message>
    <message>
        <source>%1 in dB</source>
        <translation>%1 in dB</translation>
    </message>
    <message>
        <source>Flanking %1</source>
        <translation>Laterale %1</translation>
    </message>
    <message>
        <source>  its lining</source>
        <translation>  il suo rivestimento</translation>
    </message>
    <message>
        <source>Area of the flanking element, m²</source>
        <translation>Superficie dell&apos;elemento laterale, m²</translation>
    </message>
    <message>
        <source>S (m²)</source>
        <translation>S (m²)</translation>
    </message>
    <message>
        <source>F (source room)</source>
        <translation>F (emittente)</translation>
    </message>
    <message>
        <source>f (receiving room)</source>
        <translation>f (ricevente)</translation>
    </message>
    <message>
        <source>Junction %1</source>
        <translation>Giunto %1</translation>
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
        <source>Description</source>
        <translation>Descrizione</translation>
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
    <message>
        <source>Declared values: %1</source>
        <translation>Valori dichiarati: %1</translation>
    </message>
    <message>
        <source> (not as computed: %1)</source>
        <translation> (diversi dai calcolati: %1)</translation>
    </message>
    <message>
        <source>Computed according to %1: %2</source>
        <translation>Valori calcolati secondo %1: %2</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Test certificate</source>
        <translation>Certificato di prova</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Source: %1, table %2</source>
        <translation>Fonte: %1, tabella %2</translation>
    </message>
    <message>
        <source>Unfavourable deviations %1 dB</source>
        <translation>Scostamenti sfavorevoli %1 dB</translation>
    </message>
</context>
<context>
    <name>SegnoParolaChiave</name>
    <message>
        <source>↶ stored: %1</source>
        <translation>↶ memorizzata: %1</translation>
    </message>
    <message>
        <source>This entry stores the keyword «%1»; Ok saves the one in the box. Click to put the stored keyword back.</source>
        <translation>Questo materiale ha memorizzata la parola chiave «%1»; Ok salva quella nella casella. Fare clic per rimettere la parola chiave memorizzata.</translation>
    </message>
</context>
<context>
    <name>Strumenti</name>
    <message>
        <source>(--help for details)
</source>
        <translation>(--help per i dettagli)
</translation>
    </message>
    <message>
        <source>the data folder is missing</source>
        <translation>manca la cartella dati</translation>
    </message>
    <message>
        <source>the data folder «%1» does not exist</source>
        <translation>la cartella dati «%1» non esiste</translation>
    </message>
    <message>
        <source>«%1» is not a data folder: it has no Databases/Database folder</source>
        <translation>«%1» non è una cartella dati: non ha la cartella Databases/Database</translation>
    </message>
    <message>
        <source>%1: %2 could not be read: %3
</source>
        <translation>%1: impossibile leggere %2: %3
</translation>
    </message>
    <message>
        <source>%1: %2, table %3, could not be read: %4
</source>
        <translation>%1: impossibile leggere %2, tabella %3: %4
</translation>
    </message>
    <message>
        <source>%1: %2 could not be read: its name is not UTF-8 (rename the file)
</source>
        <translation>%1: impossibile leggere %2: il nome non è UTF-8 (rinominare il file)
</translation>
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
        <source>the quantity is missing: R, Dn, Ln or DLn</source>
        <translation>manca la grandezza: R, Dn, Ln o DLn</translation>
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
        <source>«DRi»: improvements DRi have no ISO 717-1 rating; the quantities are R, Dn, Ln and DLn</source>
        <translation>«DRi»: i miglioramenti DRi non hanno un indice ISO 717-1; le grandezze sono R, Dn, Ln e DLn</translation>
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
an option); &quot;-&quot; alone is a band without a value, and so is a 0 at 50, 63, 80,
4000 or 5000 Hz (from 100 to 3150 Hz a 0 is a value). What needs a band without
a value is null.

--verifica checks every entry of every database of the data folder (custom,
theoretical, experimental, Access files too) and writes CSV to standard output:
one line for each stored rating that differs from the one computed from the
entry&apos;s curve (file relative to the data folder, table, &quot;Nome&quot;, column, stored
value, computed value), databases in the tree&apos;s order, rows in stored order.
Compared are the main rating, C and Ctr, and Ci (CI, or CI,Delta for floor
coverings); a Null stored value or one that cannot be computed is not reported.

-h, --help prints this help.

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
un&apos;opzione); &quot;-&quot; da solo indica una banda senza valore, e così uno 0 a 50, 63, 80,
4000 o 5000 Hz (da 100 a 3150 Hz uno 0 è un valore). Ciò che richiede una banda senza
valore vale null.

--verifica controlla ogni voce di ogni database della cartella dei dati (personale,
teorico, sperimentali, anche file Access) e scrive CSV sull&apos;uscita standard: una riga
per ogni indice memorizzato diverso da quello calcolato dalla curva della voce (file
relativo alla cartella dei dati, tabella, &quot;Nome&quot;, colonna, valore memorizzato, valore
calcolato), i database nell&apos;ordine dell&apos;albero, le righe nell&apos;ordine memorizzato.
Si confrontano l&apos;indice principale, C e Ctr, e Ci (CI, o CI,Delta per i rivestimenti
di pavimento); un valore memorizzato Null o uno non calcolabile non si segnala.
-h, --help stampa questo aiuto.

Stato di uscita: 0 eseguito; 1 qualche file non leggibile (detto sull&apos;errore standard,
il resto verificato); 2 uso errato o cartella dei dati mancante (il messaggio nomina
l&apos;argomento).
</translation>
    </message>
    <message>
        <source>value %1 (band %2 Hz), «%3», is out of range: band values from -%4 to %4 dB are rated</source>
        <translation>il valore %1 (banda %2 Hz), «%3», è fuori campo: si valutano valori di banda da -%4 a %4 dB</translation>
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
    <name>TabellaPg</name>
    <message>
        <source>read the table «%1»</source>
        <translation>leggere la tabella «%1»</translation>
    </message>
    <message>
        <source>The database %1 has no table «%2».</source>
        <translation>Il database %1 non ha la tabella «%2».</translation>
    </message>
    <message>
        <source>The table «%1» of the database %2 has no column «%3», which keeps its entries in the order they were stored.</source>
        <translation>La tabella «%1» del database %2 non ha la colonna «%3», che tiene i materiali nell&apos;ordine in cui sono stati memorizzati.</translation>
    </message>
</context>
<context>
    <name>TestiRisultato</name>
    <message>
        <source>   (K = %1 dB, Ln,w,eq = %2 dB)</source>
        <translation>   (K = %1 dB, Ln,w,eq = %2 dB)</translation>
    </message>
    <message>
        <source>Limit of category %1: %2 %3 %4 dB - %5</source>
        <translation>Limite della categoria %1: %2 %3 %4 dB - %5</translation>
    </message>
    <message>
        <source>✓ met</source>
        <translation>✓ rispettato</translation>
    </message>
    <message>
        <source>✗ NOT met</source>
        <translation>✗ NON rispettato</translation>
    </message>
    <message>
        <source>UNI 11367 class: %1</source>
        <translation>Classe UNI 11367: %1</translation>
    </message>
    <message>
        <source>UNI 11367 class: below class IV</source>
        <translation>Classe UNI 11367: sotto la classe IV</translation>
    </message>
    <message>
        <source>EN 12354-1:2000, EN 12354-2:2000, EN 12354-3:2000; EN ISO 717-1:2013, EN ISO 717-2:2013; DPCM 5-12-1997, table B; UNI 11367:2010</source>
        <translation>EN 12354-1:2000, EN 12354-2:2000, EN 12354-3:2000; EN ISO 717-1:2013, EN ISO 717-2:2013; DPCM 5-12-1997, tabella B; UNI 11367:2010</translation>
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
<context>
    <name>ZelmarCerca</name>
    <message>
        <source>Usage: zelmar-cerca DATA_FOLDER [--tipo CODE]... [--testo TEXT] [--indice-min X] [--indice-max X]
                    [--massa-min X] [--massa-max X] [--dal D/M/YYYY] [--al D/M/YYYY] [--difforme]
</source>
        <translation>Uso: zelmar-cerca CARTELLA_DATI [--tipo CODICE]... [--testo TESTO] [--indice-min X] [--indice-max X]
                  [--massa-min X] [--massa-max X] [--dal G/M/AAAA] [--al G/M/AAAA] [--difforme]
</translation>
    </message>
    <message>
        <source>unexpected argument «%1»: one data folder is searched</source>
        <translation>argomento inatteso «%1»: si cerca in una sola cartella dati</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>unknown option «%1»</source>
        <translation>opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>--tipo «%1» is no kind code, which are:
%2</source>
        <translation>--tipo «%1» non è un codice di tipo, che sono:
%2</translation>
    </message>
    <message>
        <source>%1 «%2» is not a date D/M/YYYY</source>
        <translation>%1 «%2» non è una data G/M/AAAA</translation>
    </message>
    <message>
        <source>%1 «%2» is not a number</source>
        <translation>%1 «%2» non è un numero</translation>
    </message>
    <message>
        <source>
Searches every database of the data folder (custom, theoretical, experimental,
Access files too) and writes the entries that meet every criterion given as CSV
to standard output: a header line, then one line per entry: file (relative to
the data folder), table, &quot;Nome&quot;, kind code, value of the table&apos;s first rating
column; databases in the tree&apos;s order, rows in stored order.
  --tipo CODE        kind code; repeated, any of them. The codes:
%1
  --testo TEXT       contained in &quot;Nome&quot;, &quot;Parola chiave&quot;, &quot;Descrizione&quot;,
                     &quot;Certificato&quot;, &quot;Ente di prova&quot; or &quot;Società richiedente&quot;,
                     letter case and accents ignored
  --indice-min X, --indice-max X   the first rating column
  --massa-min X, --massa-max X     &quot;m&apos; (kg/m²)&quot;
  --dal D/M/YYYY, --al D/M/YYYY    &quot;Data Prova&quot;, read day/month/year
  --difforme         some stored rating differs from the one computed from the
                     entry&apos;s curve
  -h, --help         print this help
Numbers take &quot;,&quot; or &quot;.&quot; (-3,5 is a value); &quot;-&quot; alone is no bound. Bounds are
inclusive; an entry without the value a bound tests, or whose date is no date,
does not match.

Exit status: 0 done (also with no match); 1 some file could not be read (told
on standard error, the rest searched); 2 wrong usage or a missing data folder
(the message names the argument).
</source>
        <translation>
Cerca in tutti i database della cartella dati (personalizzato, teorico, sperimentali,
anche file Access) e scrive in CSV sullo standard output i materiali che soddisfano
tutti i criteri dati: una riga di intestazione, poi una riga per materiale: file
(relativo alla cartella dati), tabella, &quot;Nome&quot;, codice del tipo, valore della prima
colonna di indice della tabella; database nell&apos;ordine dell&apos;albero, righe nell&apos;ordine
memorizzato.
  --tipo CODICE      codice del tipo; ripetuto, uno qualsiasi. I codici:
%1
  --testo TESTO      contenuto in &quot;Nome&quot;, &quot;Parola chiave&quot;, &quot;Descrizione&quot;,
                     &quot;Certificato&quot;, &quot;Ente di prova&quot; o &quot;Società richiedente&quot;,
                     senza distinguere maiuscole e accenti
  --indice-min X, --indice-max X   la prima colonna di indice
  --massa-min X, --massa-max X     &quot;m&apos; (kg/m²)&quot;
  --dal G/M/AAAA, --al G/M/AAAA    &quot;Data Prova&quot;, letta giorno/mese/anno
  --difforme         un indice memorizzato diverso da quello calcolato dalla curva
                     del materiale
  -h, --help         stampa questo aiuto
I numeri accettano &quot;,&quot; o &quot;.&quot; (-3,5 è un valore); &quot;-&quot; da solo non pone limiti. I limiti
sono compresi; un materiale senza il valore che un limite verifica, o la cui data non
è una data, non corrisponde.

Stato di uscita: 0 fatto (anche senza corrispondenze); 1 un file non leggibile
(segnalato sullo standard error, cercato il resto); 2 uso errato o cartella dati
mancante (il messaggio nomina l&apos;argomento).
</translation>
    </message>
</context>
<context>
    <name>ZelmarCondividi</name>
    <message numerus="yes">
        <source>%1: %n rows</source>
        <translation>
            <numerusform>%1: %n riga</numerusform>
            <numerusform>%1: %n righe</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 rows were read, but %3 are stored.</source>
        <translation>%1: lette %2 righe, ma ne sono memorizzate %3.</translation>
    </message>
    <message>
        <source>The file «%1» does not exist.</source>
        <translation>Il file «%1» non esiste.</translation>
    </message>
    <message>
        <source>The table «%1» of the database %2 has no column «%3», which the file has: nothing was written.</source>
        <translation>La tabella «%1» del database %2 non ha la colonna «%3», che il file ha: non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The table «%1» of the database %2 already holds entries: nothing was written (--sostituisci replaces them).</source>
        <translation>La tabella «%1» del database %2 ha già delle voci: non è stato scritto nulla (--sostituisci le sostituisce).</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The file «%1» already exists: it is not replaced.</source>
        <translation>Il file «%1» esiste già: non viene sostituito.</translation>
    </message>
    <message>
        <source>Usage: zelmar-condividi [--sostituisci] --verso-server FILE CONNINFO
       zelmar-condividi --verso-file CONNINFO FILE
Copies the custom database FILE (the program&apos;s own or an Access file) into the shared
database on the PostgreSQL server of the libpq connection string CONNINFO, or the
server&apos;s tables into the new file FILE. The PG* environment variables and ~/.pgpass
apply as libpq applies them. Tables that already hold entries on the server are not
written unless --sostituisci is given, which replaces their entries.
Every value crosses exactly: a value the other side cannot hold as it is (bytes in a
text column, a text that is not UTF-8, a number that is not finite) stops the copy
before anything is written, naming the table, the entry and the column.
-h, --help prints this help.
Exit status: 0 done, 1 a failure (connection, refused table or value, count that does
not match), 2 wrong usage, a missing input file or table, or an existing output FILE.</source>
        <translation>Uso: zelmar-condividi [--sostituisci] --verso-server FILE CONNINFO
     zelmar-condividi --verso-file CONNINFO FILE
Copia il database personalizzato FILE (del programma o un file Access) nel database
condiviso sul server PostgreSQL della stringa di connessione libpq CONNINFO, oppure le
tabelle del server nel nuovo file FILE. Le variabili d&apos;ambiente PG* e ~/.pgpass valgono
come le applica libpq. Le tabelle che sul server hanno già voci non si scrivono se non
con --sostituisci, che ne sostituisce le voci.
Ogni valore passa esatto: un valore che l&apos;altra parte non può tenere così com&apos;è (byte in una
colonna di testo, un testo non UTF-8, un numero non finito) ferma la copia prima che si
scriva qualcosa, nominando la tabella, la voce e la colonna.
-h, --help stampa questo aiuto.
Stato di uscita: 0 eseguito, 1 un errore (connessione, tabella o valore rifiutato, conteggio
che non torna), 2 uso errato, file o tabella di ingresso mancante, o FILE di uscita già esistente.</translation>
    </message>
    <message>
        <source>The table «%1», entry «%2», column «%3»: %4. Nothing was written.</source>
        <translation>Tabella «%1», voce «%2», colonna «%3»: %4. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>«%1» is not a number</source>
        <translation>«%1» non è un numero</translation>
    </message>
    <message>
        <source>the number is not finite</source>
        <translation>il numero non è finito</translation>
    </message>
    <message>
        <source>it holds bytes, not text</source>
        <translation>contiene byte, non testo</translation>
    </message>
    <message>
        <source>it holds a number where the server keeps text</source>
        <translation>contiene un numero dove il server tiene testo</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8 or holds a NUL character</source>
        <translation>il testo non è UTF-8 valido o contiene un carattere NUL</translation>
    </message>
    <message>
        <source>The file «%1» has no table «%2».</source>
        <translation>Il file «%1» non ha la tabella «%2».</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>«%1» is not a finite number</source>
        <translation>«%1» non è un numero finito</translation>
    </message>
    <message>
        <source>The database %1 has no table «%2».</source>
        <translation>Il database %1 non ha la tabella «%2».</translation>
    </message>
    <message>
        <source>The server sent a row of the table «%1» that cannot be read: nothing was written.</source>
        <translation>Il server ha mandato una riga della tabella «%1» che non si può leggere: non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The file «%1» was not written.</source>
        <translation>Il file «%1» non è stato scritto.</translation>
    </message>
</context>
<context>
    <name>ZelmarEsporta</name>
    <message>
        <source>Usage: zelmar-esporta --pdf OUT.pdf [--tipo CODE] DB_FILE TABLE NAME
       zelmar-esporta --csv OUT.csv DB_FILE TABLE
</source>
        <translation>Uso: zelmar-esporta --pdf USCITA.pdf [--tipo CODICE] FILE_DB TABELLA NOME
     zelmar-esporta --csv USCITA.csv FILE_DB TABELLA
</translation>
    </message>
    <message>
        <source>
--pdf  writes the one-page A4 data sheet of the entry NAME of the table TABLE of the
       file DB_FILE (the program&apos;s own database or an Access file): the first entry of
       that name in the index&apos;s order, as the program finds it. The entry&apos;s kind comes
       from where the file lies in the data folder (tables of the custom or the
       theoretical database, category folder of an experimental file), or from --tipo
       with a kind code:
%1
--csv  writes the whole table as CSV: UTF-8 with a BOM, &quot;;&quot; as the separator, the
       heading line with the exact column names in the table&apos;s order, then the rows in
       their stored order; numbers with a decimal comma, Null as an empty field.
-h, --help  prints this help.
Options come first; the arguments after them are data, also when they begin with &quot;-&quot;.
Exit status: 0 written, 1 OUT cannot be written or DB_FILE cannot be read,
2 wrong usage or a missing file, table or entry.
The sheet is in the language of the program&apos;s Zelmar.ini.
</source>
        <translation>
--pdf  scrive la scheda tecnica di una pagina A4 della voce NOME della tabella TABELLA del
       file FILE_DB (database proprio o file Access): la prima voce con quel nome
       nell&apos;ordine dell&apos;indice, come la trova il programma. Il tipo della voce viene da dove
       sta il file nella cartella dei dati (tabelle del database personalizzato o teorico,
       cartella di categoria di un file sperimentale), oppure da --tipo con un codice di
       tipo:
%1
--csv  scrive l&apos;intera tabella in CSV: UTF-8 con BOM, &quot;;&quot; come separatore, la riga di
       intestazione con i nomi esatti delle colonne nell&apos;ordine della tabella, poi le righe
       nell&apos;ordine in cui sono memorizzate; numeri con la virgola decimale, Null come
       campo vuoto.
-h, --help  stampa questo aiuto.
Le opzioni vengono prima; gli argomenti dopo di esse sono dati anche se iniziano con &quot;-&quot;.
Stato di uscita: 0 scritto, 1 USCITA non scrivibile o FILE_DB illeggibile,
2 uso errato o file, tabella o voce mancante.
La scheda è nella lingua del file Zelmar.ini del programma.
</translation>
    </message>
    <message>
        <source>wrong usage: %1 needs a value</source>
        <translation>uso errato: %1 vuole un valore</translation>
    </message>
    <message>
        <source>wrong usage: --pdf and --csv exclude each other</source>
        <translation>uso errato: --pdf e --csv si escludono</translation>
    </message>
    <message>
        <source>wrong usage: the kind «%1» is not a kind code</source>
        <translation>uso errato: il tipo «%1» non è un codice di tipo</translation>
    </message>
    <message>
        <source>wrong usage: unknown option «%1»</source>
        <translation>uso errato: opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>wrong usage: --pdf or --csv is missing</source>
        <translation>uso errato: manca --pdf o --csv</translation>
    </message>
    <message>
        <source>wrong usage: --tipo goes with --pdf only</source>
        <translation>uso errato: --tipo vale solo con --pdf</translation>
    </message>
    <message>
        <source>wrong usage: %1 arguments are needed after the options, not %2</source>
        <translation>uso errato: servono %1 argomenti dopo le opzioni, non %2</translation>
    </message>
    <message>
        <source>the file %1 has no table «%2»</source>
        <translation>il file %1 non ha la tabella «%2»</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>the kind of the table «%1» of %2 does not follow from where the file lies: give it with --tipo</source>
        <translation>il tipo della tabella «%1» di %2 non si deduce dalla posizione del file: indicarlo con --tipo</translation>
    </message>
    <message>
        <source>the table «%1» of %2 has no entry «%3»</source>
        <translation>la tabella «%1» di %2 non ha la voce «%3»</translation>
    </message>
    <message>
        <source>the file %1 does not exist</source>
        <translation>il file %1 non esiste</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
</context>
<context>
    <name>ZelmarImportjet</name>
    <message>
        <source>[%1/%2] %3: table «%4»</source>
        <translation>[%1/%2] %3: tabella «%4»</translation>
    </message>
    <message>
        <source>Usage: zelmar-importjet FOLDER_OR_FILE...
Converts into the program&apos;s format every Jet file (Access .mdb) found in the folders given, at any depth, and the files given. Each original stays beside the converted file as &lt;file&gt;.jet. Files already converted are left as they are.
-h, --help prints this help.</source>
        <translation>Uso: zelmar-importjet CARTELLA_O_FILE...
Converte nel formato del programma ogni file Jet (.mdb di Access) che trova nelle cartelle indicate, a ogni livello, e i file indicati. Ogni originale resta accanto al file convertito come &lt;file&gt;.jet. I file già convertiti non si toccano.
-h, --help stampa questo aiuto.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>zelmar-importjet: unknown option «%1» (--help for the usage)</source>
        <translation>zelmar-importjet: opzione sconosciuta «%1» (--help per l&apos;uso)</translation>
    </message>
</context>
</TS>
