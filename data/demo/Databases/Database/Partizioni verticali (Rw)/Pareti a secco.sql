-- Laboratory sound reduction of plasterboard stud walls (demo data).
PRAGMA application_id = 1514490957; -- "ZELM", as every file of the program
BEGIN;

CREATE TABLE "Pareti a secco" (
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
CREATE INDEX "Pareti a secco.Nome" ON "Pareti a secco" ("Nome");

INSERT INTO "Pareti a secco" VALUES (
  'Parete in cartongesso a doppia lastra',
  'Cartongesso',
  'Due lastre da 12,5 mm per lato su montanti metallici da 75 mm, lana minerale da 60 mm',
  'IPV 261003',
  '14/11/2009',
  'Istituto Prove Valdorsa S.p.A.',
  'Lastresecche Brumaio S.r.l.',
  'Montanti a interasse 600 mm',
  'parete_cartongesso_doppia.jpg',
  46, 125, 10.08, 2500, 0.03,
  53, -2, -7,
  20.5, 24.5, 28, 31, 34, 37.5, 39.5,
  42.5, 44, 47.5, 49.5, 52.5, 55.5, 58.5,
  60.5, 62.5, 60.5, 60, 66, 66.5, 66);

INSERT INTO "Pareti a secco" VALUES (
  'Parete in cartongesso a lastra singola',
  'Cartongesso',
  'Una lastra da 12,5 mm per lato su montanti da 50 mm con lana minerale',
  'IPV 261004',
  '15/11/2009',
  'Istituto Prove Valdorsa S.p.A.',
  'Lastresecche Brumaio S.r.l.',
  NULL,
  'senza',
  22, 75, 10.08, 2500, NULL,
  44, -2, -7,
  11, 15.5, 19, 22, 25.5, 28, 31,
  33, 36, 39, 41, 43, 47, 48.5,
  51.5, 53.5, 51, 50.5, 56, 55.5, 56.5);

INSERT INTO "Pareti a secco" VALUES (
  'Parete in cartongesso a doppia orditura',
  'Cartongesso',
  'Due orditure indipendenti da 50 mm, due lastre per lato, lana minerale in entrambe le intercapedini',
  'IPV 261010',
  '2/12/2009',
  'Istituto Prove Valdorsa S.p.A.',
  'Lastresecche Brumaio S.r.l.',
  NULL,
  'senza',
  48, 160, 10.08, 2500, 0.03,
  62, -2, -6,
  NULL, NULL, 38.5, 41.5, 44, 46.5, 49,
  50.5, 54, 55, 57.5, 60.5, 63.5, 65.5,
  67.5, 68, 67.5, 68, 72.5, 73.5, 74);

COMMIT;
