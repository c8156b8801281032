-- The custom database as shipped: the eight tables, with a few entries of the user's own tests
-- in some of them, so that the program has something to show on its first start.
PRAGMA application_id = 1514490957; -- "ZELM", as every file of the program
BEGIN;

CREATE TABLE "Rw_laboratorio" (
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
CREATE INDEX "Rw_laboratorio.Nome" ON "Rw_laboratorio" ("Nome");

INSERT INTO "Rw_laboratorio" VALUES (
  'Muro in blocchi di calcestruzzo 20 cm',
  'Calcestruzzo',
  'Blocchi cavi in calcestruzzo vibrocompresso da 20 cm, intonacati su una faccia',
  '2012/014',
  '26/1/2012',
  'Laboratorio Acustico Brumaio',
  'Cementi Brumaio S.r.l.',
  'Prova interna di confronto prima della certificazione',
  'muro_blocchi_calcestruzzo.jpg',
  300, 215, 10.08, 125, 0.01,
  51, -1, -5,
  31, 33, 33.5, 34, 34, 37, 39.5,
  42.5, 43.5, 45.5, 46.5, 48, 50, 52,
  53.5, 55, 57, 59, 60.5, 62.5, 64);

INSERT INTO "Rw_laboratorio" VALUES (
  'Tramezzo in laterizio forato 8 cm',
  'Laterizio',
  'Tramezzo in forati da 8 cm intonacato su entrambe le facce',
  '2012/015',
  '27/1/2012',
  'Laboratorio Acustico Brumaio',
  'Fornaci Valdorsa S.r.l.',
  NULL,
  'senza',
  90, 110, 10.08, 315, 0.015,
  39, -1, -4,
  21, 22, 24, 25.5, 26.5, 28, 29,
  28.5, 28.5, 30.5, 35, 37, 39.5, 40.5,
  42.5, 44, 46.5, 48, 49.5, 51.5, 53);

CREATE TABLE "Rw_in_opera" (
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
CREATE INDEX "Rw_in_opera.Nome" ON "Rw_in_opera" ("Nome");

CREATE TABLE "DRw_laboratorio" (
  "Nome" TEXT,
  "Parola chiave" TEXT,
  "Descrizione" TEXT,
  "Certificato" TEXT,
  "Data Prova" TEXT,
  "Ente di prova" TEXT,
  "Società richiedente" TEXT,
  "Informazione addizionale" TEXT,
  "Immagine" TEXT,
  "m' (kg/m²)" REAL, "s (mm)" REAL,
  "DRw (dB)" REAL, "C (dB)" REAL, "Ctr (dB)" REAL,
  "DRi - 50Hz (dB)" REAL, "DRi - 63Hz (dB)" REAL, "DRi - 80Hz (dB)" REAL, "DRi - 100Hz (dB)" REAL, "DRi - 125Hz (dB)" REAL, "DRi - 160Hz (dB)" REAL, "DRi - 200Hz (dB)" REAL,
  "DRi - 250Hz (dB)" REAL, "DRi - 315Hz (dB)" REAL, "DRi - 400Hz (dB)" REAL, "DRi - 500Hz (dB)" REAL, "DRi - 630Hz (dB)" REAL, "DRi - 800Hz (dB)" REAL, "DRi - 1000Hz (dB)" REAL,
  "DRi - 1250Hz (dB)" REAL, "DRi - 1600Hz (dB)" REAL, "DRi - 2000Hz (dB)" REAL, "DRi - 2500Hz (dB)" REAL, "DRi - 3150Hz (dB)" REAL, "DRi - 4000Hz (dB)" REAL, "DRi - 5000Hz (dB)" REAL
);
CREATE INDEX "DRw_laboratorio.Nome" ON "DRw_laboratorio" ("Nome");

CREATE TABLE "Lnw_laboratorio" (
  "Nome" TEXT,
  "Parola chiave" TEXT,
  "Descrizione" TEXT,
  "Certificato" TEXT,
  "Data Prova" TEXT,
  "Ente di prova" TEXT,
  "Società richiedente" TEXT,
  "Informazione addizionale" TEXT,
  "Immagine" TEXT,
  "m' (kg/m²)" REAL, "s (mm)" REAL, "fc (Hz)" REAL, "Eta int" REAL,
  "Lnw (dB)" REAL, "Ci (dB)" REAL, "Ci 50_5000 (dB)" REAL,
  "Ln - 50Hz (dB)" REAL, "Ln - 63Hz (dB)" REAL, "Ln - 80Hz (dB)" REAL, "Ln - 100Hz (dB)" REAL, "Ln - 125Hz (dB)" REAL, "Ln - 160Hz (dB)" REAL, "Ln - 200Hz (dB)" REAL,
  "Ln - 250Hz (dB)" REAL, "Ln - 315Hz (dB)" REAL, "Ln - 400Hz (dB)" REAL, "Ln - 500Hz (dB)" REAL, "Ln - 630Hz (dB)" REAL, "Ln - 800Hz (dB)" REAL, "Ln - 1000Hz (dB)" REAL,
  "Ln - 1250Hz (dB)" REAL, "Ln - 1600Hz (dB)" REAL, "Ln - 2000Hz (dB)" REAL, "Ln - 2500Hz (dB)" REAL, "Ln - 3150Hz (dB)" REAL, "Ln - 4000Hz (dB)" REAL, "Ln - 5000Hz (dB)" REAL
);
CREATE INDEX "Lnw_laboratorio.Nome" ON "Lnw_laboratorio" ("Nome");

INSERT INTO "Lnw_laboratorio" VALUES (
  'Solaio in laterocemento con massetto galleggiante',
  'Laterocemento',
  'Solaio 20+4 con massetto alleggerito, materassino in polietilene da 5 mm' || char(13, 10) || 'e massetto sabbia e cemento da 5 cm',
  '2012/021',
  '14/2/2012',
  'Laboratorio Acustico Brumaio',
  'Quietem Isolanti S.r.l.',
  NULL,
  'senza',
  470, 340, 110, 0.01,
  63, -2, 2,
  72.5, 73, 71, 71, 69.5, 67.5, 66.5,
  65, 63.5, 62.5, 61.5, 59.5, 58.5, 57,
  56, 54, 53, 51.5, 51, 49.5, 48);

CREATE TABLE "Lnw_in_opera" (
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
CREATE INDEX "Lnw_in_opera.Nome" ON "Lnw_in_opera" ("Nome");

CREATE TABLE "DLw_laboratorio" (
  "Nome" TEXT,
  "Parola chiave" TEXT,
  "Descrizione" TEXT,
  "Certificato" TEXT,
  "Data Prova" TEXT,
  "Ente di prova" TEXT,
  "Società richiedente" TEXT,
  "Informazione addizionale" TEXT,
  "Immagine" TEXT,
  "m' (kg/m²)" REAL, "s (mm)" REAL,
  "DLnw (dB)" REAL, "Ci (dB)" REAL, "Ci 50-3150 (dB)" REAL,
  "DLn - 50Hz (dB)" REAL, "DLn - 63Hz (dB)" REAL, "DLn - 80Hz (dB)" REAL, "DLn - 100Hz (dB)" REAL, "DLn - 125Hz (dB)" REAL, "DLn - 160Hz (dB)" REAL, "DLn - 200Hz (dB)" REAL,
  "DLn - 250Hz (dB)" REAL, "DLn - 315Hz (dB)" REAL, "DLn - 400Hz (dB)" REAL, "DLn - 500Hz (dB)" REAL, "DLn - 630Hz (dB)" REAL, "DLn - 800Hz (dB)" REAL, "DLn - 1000Hz (dB)" REAL,
  "DLn - 1250Hz (dB)" REAL, "DLn - 1600Hz (dB)" REAL, "DLn - 2000Hz (dB)" REAL, "DLn - 2500Hz (dB)" REAL, "DLn - 3150Hz (dB)" REAL, "DLn - 4000Hz (dB)" REAL, "DLn - 5000Hz (dB)" REAL
);
CREATE INDEX "DLw_laboratorio.Nome" ON "DLw_laboratorio" ("Nome");

INSERT INTO "DLw_laboratorio" VALUES (
  'Pavimento vinilico su feltro',
  'Pavimento',
  'Pavimento vinilico eterogeneo da 2 mm con strato di feltro da 1,5 mm',
  NULL,
  '20/2/2012',
  'Laboratorio Acustico Brumaio',
  'Morbidia Pavimenti S.r.l.',
  NULL,
  'senza',
  3.4, 3.5,
  13, -8, NULL,
  0, 0, 0, 0, 0, 0.5, 1,
  1.5, 2.5, 3.5, 5, 6.5, 8.5, 10.5,
  12.5, 14.5, 16, 17.5, 18.5, 19, 19);

CREATE TABLE "Infissi" (
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
CREATE INDEX "Infissi.Nome" ON "Infissi" ("Nome");

INSERT INTO "Infissi" VALUES (
  'Finestra in legno-alluminio',
  'Finestra',
  'Finestra a un''anta in legno con rivestimento esterno in alluminio, vetrocamera 33.1 - 16 - 4',
  '2012/030',
  '2/3/2012',
  'Laboratorio Acustico Brumaio',
  'Serramenti Lucefonda S.p.A.',
  NULL,
  'senza',
  32, 78, 1.82,
  38, 0, -3,
  21.5, 23, 25, 25.5, 26.5, 28.5, 29.5,
  31, 32, 34, 34.5, 36, 38, 38.5,
  40, 41, 40, 39.5, 43.5, 44.5, 44);

CREATE TABLE "Dnew_laboratorio" (
  "Nome" TEXT,
  "Parola chiave" TEXT,
  "Descrizione" TEXT,
  "Certificato" TEXT,
  "Data Prova" TEXT,
  "Ente di prova" TEXT,
  "Società richiedente" TEXT,
  "Informazione addizionale" TEXT,
  "Immagine" TEXT,
  "s (mm)" REAL, "fc (Hz)" REAL,
  "Dnew (dB)" REAL, "C (dB)" REAL, "Ctr (dB)" REAL,
  "Dn - 50Hz (dB)" REAL, "Dn - 63Hz (dB)" REAL, "Dn - 80Hz (dB)" REAL, "Dn - 100Hz (dB)" REAL, "Dn - 125Hz (dB)" REAL, "Dn - 160Hz (dB)" REAL, "Dn - 200Hz (dB)" REAL,
  "Dn - 250Hz (dB)" REAL, "Dn - 315Hz (dB)" REAL, "Dn - 400Hz (dB)" REAL, "Dn - 500Hz (dB)" REAL, "Dn - 630Hz (dB)" REAL, "Dn - 800Hz (dB)" REAL, "Dn - 1000Hz (dB)" REAL,
  "Dn - 1250Hz (dB)" REAL, "Dn - 1600Hz (dB)" REAL, "Dn - 2000Hz (dB)" REAL, "Dn - 2500Hz (dB)" REAL, "Dn - 3150Hz (dB)" REAL, "Dn - 4000Hz (dB)" REAL, "Dn - 5000Hz (dB)" REAL
);
CREATE INDEX "Dnew_laboratorio.Nome" ON "Dnew_laboratorio" ("Nome");

COMMIT;
