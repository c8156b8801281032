// The main window's start-up steps that can fail: the message catalogue it cannot do
// without, and the laboratory's shared database it can. Each tells the user what is wrong.
#pragma once

class QWidget;

namespace AvvioForm1 {
// Loads the catalogue; false, with the catalogue left empty, when it is missing or too short.
bool CaricaCatalogo(QWidget* finestra);
// With "DatabaseCondiviso" in Zelmar.ini the custom database lives on the laboratory's server.
void CollegaDatabaseCondiviso(QWidget* finestra);
} // namespace AvvioForm1
