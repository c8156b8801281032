-- Laboratory normalized impact sound level of floors (demo data).
PRAGMA application_id = 1514490957; -- "ZELM", as every file of the program
BEGIN;

CREATE TABLE "Solai" (
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
CREATE INDEX "Solai.Nome" ON "Solai" ("Nome");

INSERT INTO "Solai" VALUES (
  'Soletta in calcestruzzo 14 cm',
  'Calcestruzzo',
  'Soletta piena in calcestruzzo armato senza finiture, solaio di riferimento',
  'IPV 249370',
  '11/5/2009',
  'Istituto Prove Valdorsa S.p.A.',
  'Quietem Isolanti S.r.l.',
  NULL,
  'senza',
  336, 140, 125, 0.01,
  78, -12, -12,
  61, 61.5, 62.5, 63.5, 63.5, 65, 65,
  66, 67, 67, 68.5, 69, 69, 69.5,
  70.5, 71.5, 72.5, 72, 73, 74.5, 74.5);

INSERT INTO "Solai" VALUES (
  'Solaio in calcestruzzo con massetto galleggiante',
  'Calcestruzzo',
  'Soletta in calcestruzzo da 14 cm, materassino da 8 mm e massetto sabbia e cemento da 5 cm',
  'IPV 249377',
  '18/5/2009',
  'Istituto Prove Valdorsa S.p.A.',
  'Quietem Isolanti S.r.l.',
  'Fascia perimetrale in polietilene da 5 mm',
  'solaio_massetto_galleggiante.jpg',
  430, 198, 125, 0.01,
  58, 0, 3,
  69.5, 69.5, 68.5, 67.5, 66, 64, 63,
  61.5, 59, 57, 56.5, 54.5, 53, 50.5,
  49.5, 48, 45.5, 45, 43, 40.5, 39);

INSERT INTO "Solai" VALUES (
  'Solaio in laterocemento 20+4',
  'Laterocemento',
  'Solaio grezzo in travetti e pignatte da 20 cm con cappa da 4 cm, intonacato all''intradosso',
  'IPV 249378',
  '19/5/2009',
  'Istituto Prove Valdorsa S.p.A.',
  'Fornaci Valdorsa S.r.l.',
  NULL,
  'solaio_laterocemento.jpg',
  310, 255, 110, 0.012,
  80, -12, -11,
  66, 66, 66.5, 68, 68, 69, 69,
  69.5, 70.5, 70.5, 71.5, 71.5, 72.5, 72.5,
  72.5, 73, 74.5, 74, 75, 75.5, 75.5);

INSERT INTO "Solai" VALUES (
  'Solaio in legno lamellare a strati incrociati',
  'Legno',
  'Pannello X-lam da 140 mm senza finiture',
  'IPV 245610',
  '25/9/2009',
  'Istituto Prove Valdorsa S.p.A.',
  'Legnocase Aurelide S.r.l.',
  NULL,
  'solaio_xlam.jpg',
  70, 140, 200, NULL,
  87, -5, -4,
  79, 81, 83, 84, 85, 86, 86.5,
  87, 87.5, 87.5, 87, 86.5, 86, 85,
  84, 82.5, 81, 79, 77, 74.5, 72);

COMMIT;
