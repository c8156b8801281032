// One junction of the separating element in the design window: its coupling length, its type
// (rigid cross, rigid T, or typed Kij) and the flanking element on each side with its area and
// its lining, each a slot.
#pragma once

#include "prediction/FonteVoce.h"
#include "prediction/Situazione.h"

#include <QGroupBox>
#include <map>

class CasellaElemento;
class QComboBox;
class QLineEdit;

class RiquadroGiunto : public QGroupBox
{
    Q_OBJECT
public:
    explicit RiquadroGiunto(QWidget* parent = nullptr);

    // Its number from 1: the title and the slots' paths ("fianchi[2].F").
    void Numera(int numero);
    Fianco Leggi() const;
    void Carica(const Fianco& fianco, const std::map<QString, FonteVoce>& fonti);
    QList<CasellaElemento*> Caselle() const;

signals:
    void cambiata();

private:
    QLineEdit* Numero(const char* nome, const QString& suggerimento);
    void TipoScelto();

    QLineEdit* lunghezza_ = nullptr;
    QComboBox* tipo_ = nullptr;
    QLineEdit* kFf_ = nullptr;
    QLineEdit* kFd_ = nullptr;
    QLineEdit* kDf_ = nullptr;
    CasellaElemento* sorgente_ = nullptr;
    CasellaElemento* rivestimentoSorgente_ = nullptr;
    QLineEdit* areaSorgente_ = nullptr;
    CasellaElemento* ricevente_ = nullptr;
    CasellaElemento* rivestimentoRicevente_ = nullptr;
    QLineEdit* areaRicevente_ = nullptr;
};
