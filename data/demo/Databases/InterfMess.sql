-- The message catalogue: one row per message, in message order (the first row is
-- message 1), one text column per language. The number at the end of each line is the
-- message number; the program counts the rows, so keep every message in its place.
-- Message 66 is stored data, not a caption: the text an entry without a picture holds in its
-- "Immagine" column, the same in every language.
PRAGMA application_id = 1514490957; -- "ZELM", as every file of the program
BEGIN;

CREATE TABLE "GESTIONEDB" ("Italiano" TEXT, "English" TEXT);
INSERT INTO "GESTIONEDB" VALUES
('Inserire nuovo materiale', 'Insert a new material'), -- 1
('Modifica elemento selezionato', 'Modify the selected item'), -- 2
('Cancella elemento selezionato', 'Delete the selected item'), -- 3
('Parola chiave', 'Keyword'), -- 4
('Immagine', 'Image'), -- 5
('Descrizione', 'Description'), -- 6
('Informazioni aggiuntive', 'Additional information'), -- 7
('Dati in frequenza', 'Frequency data'), -- 8
('Frequenza [Hz]', 'Frequency [Hz]'), -- 9
('Ri [dB]', 'Ri [dB]'), -- 10
('Rw', 'Rw'), -- 11
('Tutti i materiali', 'All materials'), -- 12
('R''w', 'R''w'), -- 13
('DRw', 'DRw'), -- 14
('Lnw', 'Lnw'), -- 15
('L''nw', 'L''nw'), -- 16
('DLw', 'DLw'), -- 17
('Ln', 'Ln'), -- 18
('Database personalizzato', 'Custom database'), -- 19
('Rw', 'Rw'), -- 20
('DRw', 'DRw'), -- 21
('Lnw', 'Lnw'), -- 22
('DLw', 'DLw'), -- 23
('R''w', 'R''w'), -- 24
('L''nw', 'L''nw'), -- 25
('Infissi', 'Infissi'), -- 26
('Piccoli elementi', 'Piccoli elementi'), -- 27
('Database teorico', 'Theoretical database'), -- 28
('Partizioni verticali (Rw)', 'Walls (Rw)'), -- 29
('Strati aggiuntivi verticali (DRw)', 'Wall linings (DRw)'), -- 30
('Partizioni orizzontali (Lnw)', 'Floors (Lnw)'), -- 31
('Strati aggiuntivi orizzontali (DLw)', 'Floor coverings (DLw)'), -- 32
('Infissi', 'Windows and doors'), -- 33
('Dati in opera (R''w)', 'In-situ airborne (R''w)'), -- 34
('Dati in opera (L''nw)', 'In-situ impact (L''nw)'), -- 35
('Piccoli elementi (Dnew)', 'Small elements (Dnew)'), -- 36
('ZELMARtek', 'ZELMARtek'), -- 37
(' Informazioni generali', ' General information'), -- 38
('Note', 'Notes'), -- 39
('Cantiere', 'Building site'), -- 40
('s [mm]', 's [mm]'), -- 41
(' Informazioni certificato', ' Certificate information'), -- 42
('Certificato', 'Certificate'), -- 43
('Ente di prova', 'Testing body'), -- 44
('Società richiedente', 'Requesting company'), -- 45
('Data di prova', 'Test date'), -- 46
('Chiudi', 'Close'), -- 47
('Nome', 'Name'), -- 48
(' Caratteristiche acustiche', ' Acoustic properties'), -- 49
('C', 'C'), -- 50
('Ctr', 'Ctr'), -- 51
(' Caratteristiche struttura', ' Structure properties'), -- 52
('Ok', 'OK'), -- 53
('Annulla', 'Cancel'), -- 54
('Scegli l''immagine del materiale', 'Choose the material''s image'), -- 55
('Inserire il nome del materiale.', 'Please enter the material''s name.'), -- 56
('Esiste già un materiale con questo nome: scegliere un nome diverso.', 'A material with this name already exists: please choose another name.'), -- 57
('Il materiale da modificare non è più presente nel database.', 'The material to be modified is no longer in the database.'), -- 58
('Massa superficiale m'' [kg/m²]', 'Surface mass m'' [kg/m²]'), -- 59
('Spessore s [mm]', 'Thickness s [mm]'), -- 60
('Superficie Ss [m²]', 'Area Ss [m²]'), -- 61
('Frequenza critica fc [Hz]', 'Critical frequency fc [Hz]'), -- 62
('Fattore di perdita interno Eta int', 'Internal loss factor Eta int'), -- 63
('Volume dell''ambiente emittente Ve [m³]', 'Source room volume Ve [m³]'), -- 64
('Volume dell''ambiente ricevente Vr [m³]', 'Receiving room volume Vr [m³]'), -- 65
('senza', 'senza'), -- 66
('Il materiale non è stato salvato. Dato non registrato:', 'The material was not saved. Value not written:'), -- 67
('Nome', 'Name'), -- 68
('Parola chiave', 'Keyword'), -- 69
('Certificato', 'Certificate'), -- 70
('Data di prova', 'Test date'), -- 71
('Ente di prova', 'Testing body'), -- 72
('Società richiedente', 'Requesting company'), -- 73
('Descrizione', 'Description'), -- 74
('Note', 'Notes'), -- 75
('Immagine', 'Image'), -- 76
('Indice di valutazione', 'Single-number rating'), -- 77
('Valore alla frequenza di', 'Value at'), -- 78
('Dnew', 'Dnew'), -- 79
('fc [Hz]', 'fc [Hz]'), -- 80
('Eta int', 'Eta int'), -- 81
('R''w [dB]', 'R''w [dB]'), -- 82
('R''i', 'R''i'), -- 83
('DRi', 'DRi'), -- 84
('Ln', 'Ln'), -- 85
('DLn', 'DLn'), -- 86
('Dn,e', 'Dn,e'), -- 87
('Tutti i materiali', 'All materials'), -- 88
('Dnew', 'Dnew'); -- 89

COMMIT;
