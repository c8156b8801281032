-- The theoretical database as shipped: values estimated from the surface mass of the
-- construction, for comparison with the measured entries.
PRAGMA application_id = 1514490957; -- "ZELM", as every file of the program
BEGIN;

CREATE TABLE "Potere_fonoisolante" (
  "Nome" TEXT,
  "Descrizione" TEXT,
  "Immagine" TEXT,
  "m' (kg/m²)" REAL, "s (mm)" REAL, "Area (m²)" REAL, "fc (Hz)" REAL, "Eta int" REAL,
  "Rw (dB)" REAL, "C (dB)" REAL, "Ctr (dB)" REAL,
  "R - 50Hz (dB)" REAL, "R - 63Hz (dB)" REAL, "R - 80Hz (dB)" REAL, "R - 100Hz (dB)" REAL, "R - 125Hz (dB)" REAL, "R - 160Hz (dB)" REAL, "R - 200Hz (dB)" REAL,
  "R - 250Hz (dB)" REAL, "R - 315Hz (dB)" REAL, "R - 400Hz (dB)" REAL, "R - 500Hz (dB)" REAL, "R - 630Hz (dB)" REAL, "R - 800Hz (dB)" REAL, "R - 1000Hz (dB)" REAL,
  "R - 1250Hz (dB)" REAL, "R - 1600Hz (dB)" REAL, "R - 2000Hz (dB)" REAL, "R - 2500Hz (dB)" REAL, "R - 3150Hz (dB)" REAL, "R - 4000Hz (dB)" REAL, "R - 5000Hz (dB)" REAL
);
CREATE INDEX "Potere_fonoisolante.Nome" ON "Potere_fonoisolante" ("Nome");

INSERT INTO "Potere_fonoisolante" VALUES (
  'Parete monolitica 100 kg/m²',
  'Potere fonoisolante stimato con la legge di massa' || char(13, 10) || 'e la correzione per la frequenza critica',
  'senza',
  100, 80, 10, 300, 0.015,
  33, -2, -6,
  10, 12, 14, 16, 18, 20, 21,
  20, 21, 25.5, 29.5, 32, 34, 36,
  38, 40, 42, 44, 46, 48, 50);

INSERT INTO "Potere_fonoisolante" VALUES (
  'Parete monolitica 200 kg/m²',
  'Potere fonoisolante stimato con la legge di massa e la correzione per la frequenza critica',
  'senza',
  200, 120, 10, 160, 0.012,
  44, -2, -6,
  20.5, 22.5, 24.5, 26, 25.5, 25.5, 29.5,
  33.5, 36.5, 38.5, 40.5, 42.5, 44.5, 46.5,
  48.5, 50.5, 52.5, 54.5, 56.5, 58.5, 60.5);

INSERT INTO "Potere_fonoisolante" VALUES (
  'Parete monolitica 300 kg/m²',
  'Potere fonoisolante stimato con la legge di massa e la correzione per la frequenza critica',
  'senza',
  300, 150, 10, 110, 0.01,
  51, -2, -7,
  27.5, 29, 29.5, 29, 31, 36, 39.5,
  41.5, 43.5, 45.5, 47.5, 49.5, 51.5, 53.5,
  55.5, 57.5, 59.5, 61.5, 63.5, 65.5, 67.5);

INSERT INTO "Potere_fonoisolante" VALUES (
  'Parete monolitica 400 kg/m²',
  'Potere fonoisolante stimato con la legge di massa e la correzione per la frequenza critica',
  'senza',
  400, 180, 10, 90, 0.01,
  56, -2, -7,
  32, 32.5, 31.5, 33.5, 38, 42, 44,
  46, 48, 50, 52, 54, 56, 58,
  60, 62, 64, 66, 68, 70, 72);

CREATE TABLE "Livello_calpestio" (
  "Nome" TEXT,
  "Descrizione" TEXT,
  "Immagine" TEXT,
  "m' (kg/m²)" REAL, "s (mm)" REAL, "Area (m²)" REAL, "fc (Hz)" REAL,
  "Eta int" REAL, "Lnw (dB)" REAL, "Ci (dB)" REAL,
  "Ln - 50Hz (dB)" REAL, "Ln - 63Hz (dB)" REAL, "Ln - 80Hz (dB)" REAL, "Ln - 100Hz (dB)" REAL, "Ln - 125Hz (dB)" REAL, "Ln - 160Hz (dB)" REAL, "Ln - 200Hz (dB)" REAL,
  "Ln - 250Hz (dB)" REAL, "Ln - 315Hz (dB)" REAL, "Ln - 400Hz (dB)" REAL, "Ln - 500Hz (dB)" REAL, "Ln - 630Hz (dB)" REAL, "Ln - 800Hz (dB)" REAL, "Ln - 1000Hz (dB)" REAL,
  "Ln - 1250Hz (dB)" REAL, "Ln - 1600Hz (dB)" REAL, "Ln - 2000Hz (dB)" REAL, "Ln - 2500Hz (dB)" REAL, "Ln - 3150Hz (dB)" REAL, "Ln - 4000Hz (dB)" REAL, "Ln - 5000Hz (dB)" REAL
);
CREATE INDEX "Livello_calpestio.Nome" ON "Livello_calpestio" ("Nome");

INSERT INTO "Livello_calpestio" VALUES (
  'Solaio omogeneo 300 kg/m²',
  'Livello di calpestio equivalente del solaio nudo stimato dalla massa superficiale' || char(13, 10) || '(senza pavimento galleggiante)',
  'senza',
  300, 130, 20, 130,
  0.01, 77, -13,
  60, 60.5, 61, 62, 62.5, 63, 64,
  64.5, 65, 66, 66.5, 67, 68, 68.5,
  69, 70, 70.5, 71, 72, 72.5, 73);

INSERT INTO "Livello_calpestio" VALUES (
  'Solaio omogeneo 400 kg/m²',
  'Livello di calpestio equivalente del solaio nudo stimato dalla massa superficiale',
  'senza',
  400, 170, 20, 100,
  0.01, 73, -13,
  56, 56.5, 57, 58, 58.5, 59, 60,
  60.5, 61, 62, 62.5, 63, 64, 64.5,
  65, 66, 66.5, 67, 68, 68.5, 69);

INSERT INTO "Livello_calpestio" VALUES (
  'Solaio omogeneo 500 kg/m²',
  'Livello di calpestio equivalente del solaio nudo stimato dalla massa superficiale',
  'senza',
  500, 210, 20, 80,
  0.01, 70, -13,
  53, 53.5, 54, 55, 55.5, 56, 57,
  57.5, 58, 59, 59.5, 60, 61, 61.5,
  62, 63, 63.5, 64, 65, 65.5, 66);

INSERT INTO "Livello_calpestio" VALUES (
  'Solaio con massetto galleggiante',
  'Soletta da 18 cm con massetto galleggiante su materassino elastico, stima di progetto',
  'solaio_massetto_galleggiante.jpg',
  520, 250, 20, 100,
  0.01, 61, -2,
  71, 70, 69, 67.5, 66.5, 65.5, 64,
  63, 62, 60.5, 59.5, 58.5, 57, 56,
  55, 53.5, 52.5, 51.5, 50, 49, 48);

CREATE TABLE "DRw" (
  "Nome" TEXT,
  "Descrizione" TEXT,
  "Immagine" TEXT,
  "m' (kg/m²)" REAL, "s (mm)" REAL, "Area (m²)" REAL,
  "DRw (dB)" REAL, "C (dB)" REAL, "Ctr (dB)" REAL,
  "R - 50Hz (dB)" REAL, "R - 63Hz (dB)" REAL, "R - 80Hz (dB)" REAL, "R - 100Hz (dB)" REAL, "R - 125Hz (dB)" REAL, "R - 160Hz (dB)" REAL, "R - 200Hz (dB)" REAL,
  "R - 250Hz (dB)" REAL, "R - 315Hz (dB)" REAL, "R - 400Hz (dB)" REAL, "R - 500Hz (dB)" REAL, "R - 630Hz (dB)" REAL, "R - 800Hz (dB)" REAL, "R - 1000Hz (dB)" REAL,
  "R - 1250Hz (dB)" REAL, "R - 1600Hz (dB)" REAL, "R - 2000Hz (dB)" REAL, "R - 2500Hz (dB)" REAL, "R - 3150Hz (dB)" REAL, "R - 4000Hz (dB)" REAL, "R - 5000Hz (dB)" REAL
);
CREATE INDEX "DRw.Nome" ON "DRw" ("Nome");

INSERT INTO "DRw" VALUES (
  'Controparete su orditura metallica',
  'Lastra in gesso rivestito da 12,5 mm su profili da 50 mm con lana minerale',
  'senza',
  11, 62.5, 10,
  15, -3, -9,
  -8, -7.5, -10.5, -12, -6.5, 0.5, 4,
  6, 8, 10, 12, 14, 16, 18,
  20, 22, 22, 22, 22, 22, 22);

INSERT INTO "DRw" VALUES (
  'Controparete a doppia lastra',
  'Due lastre in gesso rivestito da 12,5 mm su profili indipendenti da 75 mm',
  'senza',
  22, 100, 10,
  19, -1, -7,
  -5.5, -8, -10, -4.5, 2, 6, 8,
  10, 12, 14, 16, 18, 20, 22,
  24, 26, 26, 26, 26, 26, 26);

COMMIT;
