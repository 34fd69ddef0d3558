// The print wizard "Printing Instructions": three steps on one dialog (the
// city of the prayer-time table and daylight saving; the content of the page
// with a preview of its layout; the colours of seven parts of the page),
// working on a copy of the print options that goes back to the caller only
// when the user presses "&Print".
#pragma once

#include "diary/print/PrintSettings.h"
#include "platform/widgets/Canvas.h"
#include "platform/widgets/Forms.h"

#include <QComboBox>

#include <memory>

class ListBoxPlaces;

namespace Ui {
class TfrmPrint;
}

enum TOwnerDrawStateFlag : int { odSelected = 1, odFocused = 2 };
using TOwnerDrawState = int;

// A drop-down list whose items its form draws: every item, in the open list
// and in the closed box, is painted by the DrawItem handler on Canvas(),
// over the background the list has already painted (the highlight colour
// for the selected item).
class TOwnerDrawCombo : public QComboBox {
    Q_OBJECT
public:
    explicit TOwnerDrawCombo(QWidget* parent = nullptr);

    int ItemHeight() const { return itemHeight_; }
    // The canvas of the item being drawn (valid inside a DrawItem handler).
    TCanvas* Canvas() const { return canvas_; }
    // Draws item `index` into `rect` of the canvas, as the list itself does.
    void PaintItem(TCanvas& canvas, int index, TRect rect, TOwnerDrawState state);

signals:
    void DrawItem(TOwnerDrawCombo* control, int index, TRect rect, TOwnerDrawState state);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int itemHeight_ = 13;
    TCanvas* canvas_ = nullptr;
};

class TfrmPrint : public TForm {
    Q_OBJECT
public:
    explicit TfrmPrint(QWidget* owner = nullptr);
    ~TfrmPrint() override;

    // Runs the wizard on a copy of *settings; 1 when the user pressed
    // "&Print" (*settings then holds the wizard's values), 0 otherwise
    // (*settings unchanged).
    int Execute(TPrintSettings* settings);

    void btnNextClick();
    void btnBackClick();
    void btnFinishClick();
    void chkSalaatClick();
    void cmbSalaatTmFontDrawItem(TOwnerDrawCombo* Control, int Index, TRect Rect,
                                 TOwnerDrawState State);

    // The places of "kestrun32.dat", the default place selected.
    void LoadCityList();
    // The selected city's record into the working copy; an empty place when
    // none can be read.
    void ReadLocationRecord();
    static int ColorIndex(const QComboBox* combo, TColor color);
    void UpdatePreview();
    // The layout picture of a content key (1 small months + 2 prayer times +
    // 4 events + 8 birthdays).
    static const char* PreviewPictureName(int key);

    // The wizard's working copy.
    TPrintSettings settings;

private:
    void ShowStep(int step);

    std::unique_ptr<Ui::TfrmPrint> ui;
    std::unique_ptr<ListBoxPlaces> places;
};

// Every combo box of the owner tagged 1 gets the sixteen colour names.
void FillColorCombos(QWidget* owner);

extern TfrmPrint* frmPrint;
