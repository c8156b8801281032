-- Laboratory sound reduction of doors (demo data).
PRAGMA application_id = 1514490957; -- "ZELM", as every file of the program
BEGIN;

CREATE TABLE "Porte" (
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
CREATE INDEX "Porte.Nome" ON "Porte" ("Nome");

INSERT INTO "Porte" VALUES (
  'Porta blindata',
  'Porta',
  'Porta blindata d''ingresso con pannelli in MDF e soglia mobile',
  'CPA 1102/10',
  '22/10/2010',
  'Centro Prove Altopiano S.p.A.',
  'Portaferro Valdorsa S.p.A.',
  NULL,
  'porta_blindata.jpg',
  45, 70, 1.89,
  41, 0, -2,
  28, 29.5, 29.5, 31, 32, 33, 34,
  35.5, 36, 36.5, 38.5, 38.5, 40.5, 40.5,
  42, 43, 44, 44.5, 44.5, 44, 44);

INSERT INTO "Porte" VALUES (
  'Porta interna in legno tamburata',
  'Porta',
  'Anta tamburata da 40 mm con guarnizione a battuta su tre lati',
  'IPV 263321',
  '8/4/2011',
  'Istituto Prove Valdorsa S.p.A.',
  'Porte Lucefonda S.r.l.',
  NULL,
  'senza',
  18, 40, 1.89,
  30, -1, -2,
  16.5, 18, 19.5, 20, 21, 22, 23.5,
  24, 25, 26.5, 27, 28, 29, 30,
  30.5, 29.5, 30.5, 32, 33.5, 32.5, 33);

COMMIT;
