-- Improvement of the sound reduction by linings on a reference wall (demo data).
PRAGMA application_id = 1514490957; -- "ZELM", as every file of the program
BEGIN;

CREATE TABLE "Contropareti" (
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
CREATE INDEX "Contropareti.Nome" ON "Contropareti" ("Nome");

INSERT INTO "Contropareti" VALUES (
  'Controparete in cartongesso e lana minerale',
  'Controparete',
  'Lastra da 12,5 mm su profili da 50 mm con lana minerale, distanziata 10 mm dal muro',
  'IPV 270115',
  '9/2/2012',
  'Istituto Prove Valdorsa S.p.A.',
  'Lastresecche Brumaio S.r.l.',
  'Parete di base in laterizio da 12 cm, Rw 45 dB',
  'controparete_cartongesso.jpg',
  12, 72.5,
  14, -3, -8,
  -11.5, -15, -16.5, -10, -2.5, 2, 4.5,
  7.5, 9, 12, 14, 16, 19, 21,
  23, 24.5, 23.5, 23.5, 24.5, 24, 23.5);

INSERT INTO "Contropareti" VALUES (
  'Controparete su profili indipendenti',
  'Controparete',
  'Due lastre da 12,5 mm su profili da 75 mm non collegati al muro, lana minerale da 60 mm',
  'IPV 270120',
  '13/2/2012',
  'Istituto Prove Valdorsa S.p.A.',
  'Lastresecche Brumaio S.r.l.',
  NULL,
  'senza',
  22, 100,
  18, -2, -7,
  -12, -13.5, -7.5, 1, 5, 7.5, 10,
  12, 14.5, 17, 18.5, 21.5, 24, 26.5,
  28.5, 30, 30, 30.5, 29.5, 29.5, 30);

INSERT INTO "Contropareti" VALUES (
  'Rivestimento in fibra di legno',
  'Rivestimento',
  'Pannelli in fibra di legno da 40 mm incollati e rasati',
  'IPV 270116',
  '10/2/2012',
  'Istituto Prove Valdorsa S.p.A.',
  'Falegnameria Torrefonda S.n.c.',
  NULL,
  'rivestimento_fibra_legno.jpg',
  9, 45,
  6, -1, -3,
  -8, -6.5, -6.5, -8, -10, -5, -1,
  2, 3.5, 4.5, 6.5, 8, 8.5, 9.5,
  11.5, 12.5, 13.5, 14.5, 14.5, 14.5, 14.5);

COMMIT;
