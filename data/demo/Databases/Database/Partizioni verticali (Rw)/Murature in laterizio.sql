-- Laboratory sound reduction of masonry walls (demo data).
PRAGMA application_id = 1514490957; -- "ZELM", as every file of the program
BEGIN;

CREATE TABLE "Murature in laterizio" (
  "Nome" TEXT,
  "Parola chiave" TEXT,
  "Descrizione" TEXT,
  "Certificato" TEXT,
  "Data Prova" TEXT,
  "Ente di prova" TEXT,
  "Società richiedente" TEXT,
  "Informazione addizionale" TEXT,
  "Immagine" TEXT,
  "m' (kg/m²)" REAL, "s (mm)" REAL, "Area (m²)" REAL, "fc (Hz)" REAL, "Eta int" REAL,
  "Rw (dB)" REAL, "C (dB)" REAL, "Ctr (dB)" REAL,
  "R - 50Hz (dB)" REAL, "R - 63Hz (dB)" REAL, "R - 80Hz (dB)" REAL, "R - 100Hz (dB)" REAL, "R - 125Hz (dB)" REAL, "R - 160Hz (dB)" REAL, "R - 200Hz (dB)" REAL,
  "R - 250Hz (dB)" REAL, "R - 315Hz (dB)" REAL, "R - 400Hz (dB)" REAL, "R - 500Hz (dB)" REAL, "R - 630Hz (dB)" REAL, "R - 800Hz (dB)" REAL, "R - 1000Hz (dB)" REAL,
  "R - 1250Hz (dB)" REAL, "R - 1600Hz (dB)" REAL, "R - 2000Hz (dB)" REAL, "R - 2500Hz (dB)" REAL, "R - 3150Hz (dB)" REAL, "R - 4000Hz (dB)" REAL, "R - 5000Hz (dB)" REAL
);
CREATE INDEX "Murature in laterizio.Nome" ON "Murature in laterizio" ("Nome");

INSERT INTO "Murature in laterizio" VALUES (
  'Muro in laterizio 12 cm',
  'Laterizio',
  'Muratura in mattoni pieni da 12 cm' || char(13, 10) || 'intonacata su entrambe le facce (15 mm)',
  'IPV 254871',
  '5/3/2010',
  'Istituto Prove Valdorsa S.p.A.',
  'Fornaci Valdorsa S.r.l.',
  'Provino 3,6 x 2,8 m, giunti di malta a tutto spessore',
  'muro_laterizio_12.jpg',
  230, 150, 10.08, 180, 0.012,
  47, -1, -4,
  32.5, 34, 35, 35.5, 35, 34, 34.5,
  37, 39, 41, 43, 45, 47, 49,
  50.5, 52, 53.5, 55, 56.5, 58, 59);

INSERT INTO "Murature in laterizio" VALUES (
  'Doppia parete in laterizio 8+12 cm',
  'Laterizio',
  'Due pareti in laterizio forato con intercapedine di 5 cm riempita di lana di roccia',
  'IPV 245502',
  '11/9/2009',
  'Istituto Prove Valdorsa S.p.A.',
  'Fornaci Valdorsa S.r.l.',
  'Intonaco di 15 mm sulle due facce esterne',
  'doppia_parete_laterizio.jpg',
  260, 280, 10.08, 200, 0.012,
  52, -1, -5,
  30, 32, 34, 35.5, 36.5, 37, 38,
  40.5, 43.5, 46, 48.5, 50.5, 52.5, 54.5,
  56.5, 58.5, 60, 61.5, 63, 64.5, 65);

INSERT INTO "Murature in laterizio" VALUES (
  'Muro in laterizio porizzato 30 cm',
  'Laterizio',
  'Blocchi porizzati a incastro da 30 cm con giunti orizzontali di malta, intonacati',
  'LM 2010/0311',
  '17/2/2010',
  'Laboratorio Monteferro',
  'Laterizi Monteferro S.p.A.',
  NULL,
  'senza',
  310, 330, 10.08, 125, NULL,
  52, -1, -4,
  34.5, 36, 36, 36.5, 37.5, 39.5, 42,
  44, 45.5, 47, 48, 49, 50.5, 52,
  53.5, 55, 57, 58.5, 60, 61.5, 63);

INSERT INTO "Murature in laterizio" VALUES (
  'Muro in calcestruzzo cellulare 20 cm',
  'Calcestruzzo cellulare',
  'Blocchi in calcestruzzo aerato autoclavato da 20 cm, rasati su entrambe le facce',
  'IPV 245501',
  '10/9/2009',
  'Istituto Prove Valdorsa S.p.A.',
  'Cellublocco Aurelide S.p.A.',
  NULL,
  'muro_calcestruzzo_cellulare.jpg',
  130, 210, 10.08, 250, 0.015,
  45, -1, -4,
  28, 29.5, 31.5, 32.5, 34, 34, 33,
  33.5, 36, 38.5, 41, 43, 45, 47,
  48.5, 50.5, 52.5, 54, 56, 57.5, 59);

COMMIT;
