-- Element-normalized level difference of small building elements (demo data).
PRAGMA application_id = 1514490957; -- "ZELM", as every file of the program
BEGIN;

CREATE TABLE "Aeratori e cassonetti" (
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
CREATE INDEX "Aeratori e cassonetti.Nome" ON "Aeratori e cassonetti" ("Nome");

INSERT INTO "Aeratori e cassonetti" VALUES (
  'Griglia di ventilazione 100 cm²',
  'Aerazione',
  'Griglia in alluminio con silenziatore a labirinto per fori di aerazione',
  'IPV 266001',
  '15/6/2011',
  'Istituto Prove Valdorsa S.p.A.',
  'Ventaria Torrefonda S.r.l.',
  NULL,
  'griglia_ventilazione.jpg',
  50, NULL,
  39, -1, -2,
  31.5, 32, 33, 33, 34.5, 34.5, 35.5,
  36.5, 37, 38, 37.5, 37.5, 36, 35.5,
  37, 40.5, 41.5, 42.5, 44, 44.5, 45);

INSERT INTO "Aeratori e cassonetti" VALUES (
  'Aeratore da parete con silenziatore',
  'Aerazione',
  'Aeratore passivo a tubo da 100 mm con rivestimento fonoassorbente interno',
  'IPV 266005',
  '20/6/2011',
  'Istituto Prove Valdorsa S.p.A.',
  'Ventaria Torrefonda S.r.l.',
  NULL,
  'senza',
  400, NULL,
  44, 0, -2,
  32, 33.5, 33.5, 34.5, 36.5, 37, 38.5,
  39.5, 39.5, 41, 41, 40.5, 40.5, 42.5,
  44.5, 46.5, 48, 49, 50.5, 51, 52);

INSERT INTO "Aeratori e cassonetti" VALUES (
  'Cassonetto coibentato per avvolgibile',
  'Cassonetto',
  'Cassonetto in legno con pannello fonoassorbente e guarnizioni sulla feritoia',
  'IPV 266002',
  '16/6/2011',
  'Istituto Prove Valdorsa S.p.A.',
  'Serramenti Lucefonda S.p.A.',
  NULL,
  'cassonetto_avvolgibile.jpg',
  300, 1600,
  50, -1, -3,
  32.5, 34, 35.5, 37.5, 38.5, 40, 41,
  41.5, 44, 44.5, 46, 47, 48.5, 50.5,
  51, 52, 54, 55, 56.5, 58, 57.5);

COMMIT;
