-- In-situ normalized impact sound level measured on building sites (demo data).
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
  "m' (kg/m²)" REAL, "s (mm)" REAL, "V ricevente (m³)" REAL,
  "Lnw (dB)" REAL, "Ci (dB)" REAL, "C50_5000 (dB)" REAL,
  "Ln - 50Hz (dB)" REAL, "Ln - 63Hz (dB)" REAL, "Ln - 80Hz (dB)" REAL, "Ln - 100Hz (dB)" REAL, "Ln - 125Hz (dB)" REAL, "Ln - 160Hz (dB)" REAL, "Ln - 200Hz (dB)" REAL,
  "Ln - 250Hz (dB)" REAL, "Ln - 315Hz (dB)" REAL, "Ln - 400Hz (dB)" REAL, "Ln - 500Hz (dB)" REAL, "Ln - 630Hz (dB)" REAL, "Ln - 800Hz (dB)" REAL, "Ln - 1000Hz (dB)" REAL,
  "Ln - 1250Hz (dB)" REAL, "Ln - 1600Hz (dB)" REAL, "Ln - 2000Hz (dB)" REAL, "Ln - 2500Hz (dB)" REAL, "Ln - 3150Hz (dB)" REAL, "Ln - 4000Hz (dB)" REAL, "Ln - 5000Hz (dB)" REAL
);
CREATE INDEX "Cantieri 2011.Nome" ON "Cantieri 2011" ("Nome");

INSERT INTO "Cantieri 2011" VALUES (
  'Solaio tra alloggi via Roma',
  'Residenziale',
  'Solaio in laterocemento con massetto galleggiante su materassino in polietilene',
  'RP 113/2011',
  '21/6/2011',
  'Studio Acustico Borgoquieto',
  'Edilvaldorsa Costruzioni S.r.l.',
  NULL,
  'misura_solaio_alloggi.jpg',
  'Milano, via Roma 12',
  420, 330, 40.2,
  57, 0, 5,
  71.5, 70, 68, 67, 64.5, 63.5, 62,
  60, 59, 57, 55, 53.5, 51.5, 50,
  49, 46.5, 45.5, 44, 41, 39.5, 38.5);

INSERT INTO "Cantieri 2011" VALUES (
  'Solaio di una villetta a schiera',
  'Residenziale',
  'Solaio in legno con massetto a secco su pannelli in fibra di legno, parquet incollato e controsoffitto su pendini',
  'RP 131/2012',
  '12/3/2012',
  'Studio Acustico Borgoquieto',
  'Legnocase Aurelide S.r.l.',
  NULL,
  'senza',
  'Lecco, via dei Mille 8',
  140, 260, 35,
  62, -3, 0,
  70.5, 68.5, 68, 67, 66.5, 65, 64.5,
  62.5, 62.5, 61, 59.5, 59, 58, 56.5,
  56, 54.5, 53.5, 52.5, 51.5, 50.5, 50.5);

INSERT INTO "Cantieri 2011" VALUES (
  'Solaio di uffici con pavimento sopraelevato',
  'Terziario',
  'Pavimento sopraelevato a pannelli su solaio in lastre alveolari',
  'RP 141/2011',
  '10/11/2011',
  'Studio Acustico Borgoquieto',
  'Immobiliare Torrefonda S.p.A.',
  NULL,
  'senza',
  'Brescia, viale Venezia 40',
  390, 400, 75,
  66, -4, -1,
  72, 71.5, 70.5, 70, 69, 68, 67,
  67, 65.5, 65.5, 64, 63.5, 63, 61.5,
  61, 59.5, 58.5, 57.5, 57.5, 57, 56);

COMMIT;
