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
  'IG 254871',
  '5/3/2010',
  'Istituto Giordano S.p.A.',
  'Fornaci Riunite S.r.l.',
  'Provino 3,6 x 2,8 m, giunti di malta a tutto spessore',
  'muro_laterizio_12.jpg',
  230, 150, 10.08, 180, 0.012,
  52, -1, -4,
  38, 39.5, 40, 41, 40.5, 39, 40,
  43.5, 45, 47, 49, 49.5, 51, 51.5,
  52.5, 53, 54.5, 56, 56.5, 58, 58.5);

INSERT INTO "Murature in laterizio" VALUES (
  'Doppia parete in laterizio 8+12 cm',
  'Laterizio',
  'Due pareti in laterizio forato con intercapedine di 5 cm riempita di lana di roccia',
  'IG 245502',
  '11/9/2009',
  'Istituto Giordano S.p.A.',
  'Fornaci Riunite S.r.l.',
  'Intonaco di 15 mm sulle due facce esterne',
  'doppia_parete_laterizio.jpg',
  260, 280, 10.08, 200, 0.012,
  57, -1, -5,
  34, 36, 38, 40, 41, 41.5, 42.5,
  45.5, 49, 52, 54.5, 56.5, 58, 60,
  61.5, 64.5, 66, 68, 69.5, 72, 72);

INSERT INTO "Murature in laterizio" VALUES (
  'Muro in laterizio porizzato 30 cm',
  'Laterizio',
  'Blocchi porizzati a incastro da 30 cm con giunti orizzontali di malta, intonacati',
  'LAPI 2010/0311',
  '17/2/2010',
  'Laboratorio LAPI',
  'Termolaterizi S.p.A.',
  NULL,
  'senza',
  310, 330, 10.08, 125, NULL,
  58, -1, -5,
  38.5, 40, 40, 40.5, 41.5, 44, 47,
  49.5, 51, 53, 54, 55, 57, 58.5,
  60, 61, 63, 64, 65.5, 67, 68.5);

INSERT INTO "Murature in laterizio" VALUES (
  'Muro in calcestruzzo cellulare 20 cm',
  'Calcestruzzo cellulare',
  'Blocchi in calcestruzzo aerato autoclavato da 20 cm, rasati su entrambe le facce',
  'IG 245501',
  '10/9/2009',
  'Istituto Giordano S.p.A.',
  'Blocchi Leggeri S.p.A.',
  NULL,
  'muro_calcestruzzo_cellulare.jpg',
  130, 210, 10.08, 250, 0.015,
  49, -1, -4,
  29, 30.5, 33, 34, 36.5, 37, 36.5,
  37, 40, 43, 46, 47.5, 49.5, 51.5,
  52.5, 54.5, 56.5, 57, 60, 61, 62.5);

COMMIT;
