-- Impact sound improvement of floor coverings and resilient layers on the reference slab (demo data).
PRAGMA application_id = 1514490957; -- "ZELM", as every file of the program
BEGIN;

CREATE TABLE "Pavimenti e materassini" (
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
CREATE INDEX "Pavimenti e materassini.Nome" ON "Pavimenti e materassini" ("Nome");

INSERT INTO "Pavimenti e materassini" VALUES (
  'Materassino in gomma riciclata 6 mm',
  'Materassino',
  'Granuli di gomma legati con poliuretano sotto massetto da 5 cm',
  'IPV 255110',
  '30/9/2010',
  'Istituto Prove Valdorsa S.p.A.',
  'Quietem Isolanti S.r.l.',
  NULL,
  'materassino_gomma.jpg',
  4.5, 6,
  25, -11, -10,
  -3.5, -1, 2, 3.5, 6, 8.5, 10.5,
  13, 15, 17.5, 19.5, 22.5, 25, 27,
  29.5, 31.5, 34, 33.5, 34.5, 34, 34);

INSERT INTO "Pavimenti e materassini" VALUES (
  'Materassino in sughero 4 mm',
  'Materassino',
  'Sughero granulare agglomerato sotto pavimento in ceramica incollato',
  'IPV 255130',
  '5/10/2010',
  'Istituto Prove Valdorsa S.p.A.',
  'Sugherificio Aurelide S.r.l.',
  NULL,
  'senza',
  1.2, 4,
  14, -8, NULL,
  0, 0, 0, 0, 0.5, 1, 1.5,
  2, 3, 4.5, 6, 8, 10, 12,
  14, 16, 18, 19.5, 20.5, 21, 21);

INSERT INTO "Pavimenti e materassini" VALUES (
  'Pavimento in legno flottante',
  'Pavimento',
  'Listoni in legno da 14 mm posati flottanti su materassino in fibra di legno',
  'IPV 255111',
  '1/10/2010',
  'Istituto Prove Valdorsa S.p.A.',
  'Falegnameria Torrefonda S.n.c.',
  NULL,
  'parquet_flottante.jpg',
  9, 19,
  18, -12, -11,
  0, 0, -0.5, -1, -2, -1.5, 1,
  4, 7, 10, 13, 16, 19, 22,
  25, 28, 30.5, 32.5, 34, 35, 35.5);

INSERT INTO "Pavimenti e materassini" VALUES (
  'Moquette agugliata su feltro',
  'Pavimento',
  'Moquette in poliammide da 7 mm posata su feltro da 3 mm',
  'IPV 255140',
  '8/10/2010',
  'Istituto Prove Valdorsa S.p.A.',
  'Tessilquieto S.p.A.',
  NULL,
  'senza',
  2.1, 10,
  21, -12, -12,
  0, 0, 0.5, 1, 1.5, 2.5, 4,
  6, 9, 12, 15.5, 19, 23, 27,
  31, 35, 38.5, 41.5, 43.5, 45, 45.5);

COMMIT;
