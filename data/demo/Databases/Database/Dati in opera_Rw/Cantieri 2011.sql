-- In-situ apparent sound reduction measured on building sites (demo data).
PRAGMA application_id = 1514490957; -- "ZELM", as every file of the program
BEGIN;

CREATE TABLE "Cantieri 2011" (
  "Nome" TEXT,
  "Parola chiave" TEXT,
  "Descrizione" TEXT,
  "Certificato" TEXT,
  "Data Prova" TEXT,
  "Ente di prova" TEXT,
  "Società richiedente" TEXT,
  "Informazione addizionale" TEXT,
  "Immagine" TEXT,
  "Cantiere" TEXT,
  "m' (kg/m²)" REAL, "s (mm)" REAL, "Area (m²)" REAL, "V ricevente (m³)" REAL, "V emittente (m³)" REAL,
  "Rw (dB)" REAL, "C (dB)" REAL, "Ctr (dB)" REAL,
  "R - 50Hz (dB)" REAL, "R - 63Hz (dB)" REAL, "R - 80Hz (dB)" REAL, "R - 100Hz (dB)" REAL, "R - 125Hz (dB)" REAL, "R - 160Hz (dB)" REAL, "R - 200Hz (dB)" REAL,
  "R - 250Hz (dB)" REAL, "R - 315Hz (dB)" REAL, "R - 400Hz (dB)" REAL, "R - 500Hz (dB)" REAL, "R - 630Hz (dB)" REAL, "R - 800Hz (dB)" REAL, "R - 1000Hz (dB)" REAL,
  "R - 1250Hz (dB)" REAL, "R - 1600Hz (dB)" REAL, "R - 2000Hz (dB)" REAL, "R - 2500Hz (dB)" REAL, "R - 3150Hz (dB)" REAL, "R - 4000Hz (dB)" REAL, "R - 5000Hz (dB)" REAL
);
CREATE INDEX "Cantieri 2011.Nome" ON "Cantieri 2011" ("Nome");

INSERT INTO "Cantieri 2011" VALUES (
  'Parete tra appartamenti via Roma',
  'Residenziale',
  'Doppia parete in laterizio 8+12 cm con lana minerale nell''intercapedine',
  'RP 112/2011',
  '21/6/2011',
  'Studio Acustico Borgoquieto',
  'Edilvaldorsa Costruzioni S.r.l.',
  'Misura tra soggiorno e camera dell''alloggio adiacente',
  'misura_parete_appartamenti.jpg',
  'Milano, via Roma 12',
  250, 280, 11.5, 38.4, 52.8,
  51, -1, -4,
  31, 33.5, 35, 36, 36.5, 37.5, 39,
  40.5, 43.5, 45.5, 47.5, 49.5, 51.5, 52.5,
  55, 56, 57.5, 59, 60.5, 60.5, 60.5);

INSERT INTO "Cantieri 2011" VALUES (
  'Parete del vano scala',
  'Residenziale',
  'Parete in blocchi di calcestruzzo da 25 cm tra vano scala e alloggio',
  'RP 118/2011',
  '4/7/2011',
  'Studio Acustico Borgoquieto',
  'Edilvaldorsa Costruzioni S.r.l.',
  NULL,
  'senza',
  'Bergamo, via Garibaldi 3',
  380, 270, 9.2, 41, 60.5,
  53, -1, -5,
  35, 35.5, 36.5, 38, 37.5, 38, 41,
  43, 46, 47, 49.5, 50.5, 52, 54,
  55, 57, 58, 59, 60.5, 60, 60);

INSERT INTO "Cantieri 2011" VALUES (
  'Parete tra due uffici',
  'Terziario',
  'Parete in cartongesso a lastra singola fino al controsoffitto',
  'RP 140/2011',
  '9/11/2011',
  'Studio Acustico Borgoquieto',
  'Immobiliare Torrefonda S.p.A.',
  'Trasmissione laterale attraverso il controsoffitto continuo',
  'senza',
  'Brescia, viale Venezia 40',
  22, 100, 12.6, 75, NULL,
  41, -1, -4,
  19, 21, 23, 25.5, 27, 28.5, 30,
  31.5, 33, 35, 36.5, 38.5, 40, 42,
  43, 44, 44, 44.5, 45.5, 46, 46);

COMMIT;
