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
  'IG 255110',
  '30/9/2010',
  'Istituto Giordano S.p.A.',
  'Isolanti Acustici S.r.l.',
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
  'IG 255130',
  '5/10/2010',
  'Istituto Giordano S.p.A.',
  'Sughero Sardo S.r.l.',
  NULL,
  'senza',
  1.2, 4,
  16, -10, NULL,
  -10, -8.5, -6.5, -3.5, -2.5, 0, 2.5,
  4, 6, 7.5, 9.5, 12, 13.5, 15.5,
  18, 20.5, 22, 23.5, 24, 24.5, 24);

INSERT INTO "Pavimenti e materassini" VALUES (
  'Pavimento in legno flottante',
  'Pavimento',
  'Listoni in legno da 14 mm posati flottanti su materassino in fibra di legno',
  'IG 255111',
  '1/10/2010',
  'Istituto Giordano S.p.A.',
  'Legno Naturale S.n.c.',
  NULL,
  'parquet_flottante.jpg',
  9, 19,
  26, -12, -11,
  -4, -2.5, 1.5, 3, 6, 9.5, 11.5,
  14, 16.5, 20, 22.5, 24.5, 27, 30,
  32.5, 36, 38, 38, 37.5, 37.5, 37.5);

INSERT INTO "Pavimenti e materassini" VALUES (
  'Moquette agugliata su feltro',
  'Pavimento',
  'Moquette in poliammide da 7 mm posata su feltro da 3 mm',
  'IG 255140',
  '8/10/2010',
  'Istituto Giordano S.p.A.',
  'Tessili per Edilizia S.p.A.',
  NULL,
  'senza',
  2.1, 10,
  18, -13, -12,
  -18, -14.5, -10.5, -7, -3.5, 0, 4,
  6.5, 11, 14.5, 18, 21.5, 25.5, 29.5,
  33, 36, 40, 43, 44.5, 45.5, 45.5);

COMMIT;
