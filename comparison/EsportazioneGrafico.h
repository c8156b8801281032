// A chart written to a file as the user exports it: PNG (at twice its size on screen), SVG
// or a PDF page (A4 landscape), chosen by the file's suffix; written whole or not at all.
#pragma once

#include <QString>

class QChart;

namespace EsportazioneGrafico {

// Empty when written; otherwise what went wrong, for the user.
QString Salva(QChart* grafico, const QString& percorso);

} // namespace EsportazioneGrafico
