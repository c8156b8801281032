-- Laboratory sound reduction of windows (demo data).
PRAGMA application_id = 1514490957; -- "ZELM", as every file of the program
BEGIN;

CREATE TABLE "Finestre" (
  "Nome" TEXT,
  "Parola chiave" TEXT,
  "Descrizione" TEXT,
  "Certificato" TEXT,
  "Data Prova" TEXT,
  "Ente di prova" TEXT,
  "Società richiedente" TEXT,
  "Informazione addizionale" TEXT,
  "Immagine" TEXT,
  "m' (kg/m²)" REAL, "s (mm)" REAL, "Area (m²)" REAL,
  "Rw (dB)" REAL, "C (dB)" REAL, "Ctr (dB)" REAL,
  "R - 50Hz (dB)" REAL, "R - 63Hz (dB)" REAL, "R - 80Hz (dB)" REAL, "R - 100Hz (dB)" REAL, "R - 125Hz (dB)" REAL, "R - 160Hz (dB)" REAL, "R - 200Hz (dB)" REAL,
  "R - 250Hz (dB)" REAL, "R - 315Hz (dB)" REAL, "R - 400Hz (dB)" REAL, "R - 500Hz (dB)" REAL, "R - 630Hz (dB)" REAL, "R - 800Hz (dB)" REAL, "R - 1000Hz (dB)" REAL,
  "R - 1250Hz (dB)" REAL, "R - 1600Hz (dB)" REAL, "R - 2000Hz (dB)" REAL, "R - 2500Hz (dB)" REAL, "R - 3150Hz (dB)" REAL, "R - 4000Hz (dB)" REAL, "R - 5000Hz (dB)" REAL
);
CREATE INDEX "Finestre.Nome" ON "Finestre" ("Nome");

INSERT INTO "Finestre" VALUES (
  'Finestra in PVC con vetro stratificato',
  'Finestra',
  'Finestra a due ante in PVC, vetrocamera 44.2 acustico - 16 argon - 6',
  'IPV 263320',
  '7/4/2011',
  'Istituto Prove Valdorsa S.p.A.',
  'Serramenti Lucefonda S.p.A.',
  'Profilo a cinque camere, doppia guarnizione',
  'finestra_pvc_stratificato.jpg',
  40, 70, 1.82,
  40, -1, -3,
  23.5, 25, 26, 28.5, 29.5, 31, 31.5,
  32.5, 34, 35.5, 36.5, 38.5, 39.5, 41.5,
  42.5, 43, 41.5, 40, 44, 46, 45.5);

INSERT INTO "Finestre" VALUES (
  'Finestra in legno con vetrocamera 4-16-4',
  'Finestra',
  'Finestra a un''anta in legno lamellare con vetrocamera normale',
  'IPV 240011',
  '2/2/2009',
  'Istituto Prove Valdorsa S.p.A.',
  'Serramenti Lucefonda S.p.A.',
  NULL,
  'finestra_legno_4-16-4.jpg',
  28, 68, 1.82,
  33, -1, -4,
  16.5, 18, 19.5, 20.5, 22, 20.5, 18.5,
  22.5, 26.5, 28.5, 30.5, 31, 32.5, 34,
  35.5, 36.5, 38.5, 40, 40, 39.5, 40.5);

INSERT INTO "Finestre" VALUES (
  'Portafinestra in alluminio',
  'Portafinestra',
  'Portafinestra a due ante in alluminio a taglio termico, vetro 33.1 - 15 - 4',
  'IPV 240013',
  '4/2/2009',
  'Istituto Prove Valdorsa S.p.A.',
  'Alluminio Brumaio S.r.l.',
  NULL,
  'senza',
  35, 65, 2.88,
  39, -1, -4,
  21, 22.5, 23.5, 26, 27, 28.5, 27.5,
  26.5, 31, 34.5, 36, 38, 39, 40,
  41.5, 43.5, 45.5, 45, 45, 44.5, 44.5);

COMMIT;
