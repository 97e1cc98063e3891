#pragma once

#include <QString>
#include <array>

#include "core/data_module.h"

namespace zelvan {

using zel::Dataset;

// The data module of zelvan61: the connection, the transaction tsnRW and every dataset
// of the order and reference tables under its name, with statements, master links,
// update statements, generators, new-row defaults and computed fields.
class TDM : public zel::DataModule {
    Q_OBJECT
  public:
    explicit TDM(QObject* parent = nullptr);

    // The page shown in the machine window (0 printing machines, 1..9 the other kinds)
    // and in the constants window (0..2 the kinds of standard formats): new machines
    // and formats take their kind from it.
    int machinePageIndex = 0;
    int formatPageIndex = 0;

    // The usual refresh cycle of the main program: reopen the order list and the general
    // settings plus `extra`, and return to the order `kod`.
    void refresh(const QVariant& kod, std::initializer_list<Dataset*> extra = {});

    // Orders.
    Dataset* DSetZakaz;
    Dataset* DSetArchiv;
    Dataset* DSetPredl;
    Dataset* DSetNumZak;
    Dataset* DSetZakDop;
    Dataset* DSetZakPos;
    Dataset* DSetZakPrint;
    Dataset* DSetZakPrilad;
    Dataset* DSetSumPrilad;
    Dataset* DSetZakMat;
    Dataset* DSetZakProcAll;
    std::array<Dataset*, 8> DSetZakProc;  // DSetZakProc1 .. DSetZakProc8, index 0 = stage 1

    // Users and settings.
    Dataset* DSetUsers;
    Dataset* DSetAdmin;
    Dataset* DSetMan;
    Dataset* DSetTechn;
    Dataset* DSetObsh;

    // Machines: the printing machines (statement rebuilt per kind by the machine window)
    // and one read-only list per finishing kind.
    Dataset* DSetMach;
    Dataset* DSetPripr;
    Dataset* DSetLak;
    Dataset* DSetFalts;
    Dataset* DSetRezka;
    Dataset* DSetListPod;
    Dataset* DSetTisn;
    Dataset* DSetVys;
    Dataset* DSetSkl;
    Dataset* DSetShv;
    Dataset* DSetTipPech;
    Dataset* DSetNakl;
    Dataset* DSetPrilad;

    // Make-ready norms, works, formats, clients, editions, materials.
    Dataset* DSetPriladka;
    Dataset* DSetProc;
    Dataset* DSetDoPech;
    Dataset* DSetPosPech;
    Dataset* DSetGotIzd;
    Dataset* DSetPredrez;
    Dataset* DSetBig;
    Dataset* DSetClients;
    Dataset* DSetProduct;
    Dataset* DSetTipMater;
    Dataset* DSetMaterials;

  private:
    Dataset* editable(const QString& name, const QString& sql, const QString& table,
                      bool keyedByGenerator = true);
    void setUpDefaults();
    void setUpComputedFields();
};

}  // namespace zelvan
