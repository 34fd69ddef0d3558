#include "diary/print/CalPrint.h"

#include "ui_CalPrint.h"

#include "calendar/Projglob.h"
#include "locations/PlaceList.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"
#include "resources/Bitmaps.h"

#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

TfrmPrint* frmPrint = nullptr;

namespace {

// Keys 8 to 11 share the pictures of 4 to 7: a box of birthdays alone and a
// box of events alone take the same place on the page.
constexpr const char* kPreviewPictures[16] = {
    "ONLYDATE", "ONLYSMAL", "ONLYTIME", "NOEVENTS", "ONLYEVNT", "NOBRTTIM", "NOSMLBRT", "NOBIRTH",
    "ONLYEVNT", "NOBRTTIM", "NOSMLBRT", "NOBIRTH",  "NOTS",     "NOTIMES",  "NOSMALL",  "PRINTALL"};

constexpr QSize kPreviewSize(186, 146);
constexpr QSize kWizardPictureSize(120, 200);
constexpr int kSwatchMargin = 2;

TRect ToTRect(const QRect& r) {
    return Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

// The open list's items, each drawn by the combo's DrawItem handler.
class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    explicit OwnerDrawDelegate(TOwnerDrawCombo* combo)
        : QStyledItemDelegate(combo), combo_(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QPainterCanvas canvas(*painter);
        TOwnerDrawState state = 0;
        if (option.state & QStyle::State_Selected)
            state |= odSelected;
        if (option.state & QStyle::State_HasFocus)
            state |= odFocused;
        combo_->PaintItem(canvas, index.row(), ToTRect(option.rect), state);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), combo_->ItemHeight()};
    }

private:
    TOwnerDrawCombo* combo_;
};

}  // namespace

TOwnerDrawCombo::TOwnerDrawCombo(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new OwnerDrawDelegate(this));
}

void TOwnerDrawCombo::PaintItem(TCanvas& canvas, int index, TRect rect, TOwnerDrawState state) {
    const TCanvas::State saved = canvas.Save();
    canvas.SetBrushColor((state & odSelected) ? clHighlight : clWindow);
    canvas.FillRect(rect);
    canvas_ = &canvas;
    emit DrawItem(this, index, rect, state);
    canvas_ = nullptr;
    canvas.Restore(saved);
}

void TOwnerDrawCombo::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    QPainterCanvas canvas(painter);
    PaintItem(canvas, currentIndex(), ToTRect(field), hasFocus() ? odSelected | odFocused : 0);
}

TfrmPrint::TfrmPrint(QWidget* owner) : TForm(owner), ui(new Ui::TfrmPrint) {
    ui->setupUi(this);
    ApplyFormResource(this);
    places = std::make_unique<ListBoxPlaces>(ui->lstMain);
    ui->Image2->setPixmap(LoadBitmap("PRINTWIZARD", kWizardPictureSize));
    UpdatePreview();
    CentreOnScreen(this);
    ShowStep(1);

    OnEvent(ui->btnNext, &QPushButton::clicked, this, &TfrmPrint::btnNextClick);
    OnEvent(ui->btnBack, &QPushButton::clicked, this, &TfrmPrint::btnBackClick);
    ConnectModalButton(ui->btnFinish, mrOk, this, &TfrmPrint::btnFinishClick);
    ConnectModalButton(ui->btnCancel, mrCancel);
    for (QCheckBox* box : {ui->chkSalaat, ui->chkEvents, ui->chkSmallMonths, ui->chkBirthdays})
        OnEvent(box, &QCheckBox::toggled, this, &TfrmPrint::chkSalaatClick);
    for (TOwnerDrawCombo* combo : findChildren<TOwnerDrawCombo*>())
        OnEvent(combo, &TOwnerDrawCombo::DrawItem, this, &TfrmPrint::cmbSalaatTmFontDrawItem);
}

TfrmPrint::~TfrmPrint() = default;

int TfrmPrint::Execute(TPrintSettings* s) {
    settings = *s;
    LoadCityList();
    FillColorCombos(this);
    ShowStep(1);
    ui->chkSalaat->setChecked(settings.printSalaat != 0);
    ui->chkDaylight->setChecked(settings.dayLight != 0);
    ui->chkEvents->setChecked(settings.printEvents != 0);
    ui->chkSmallMonths->setChecked(settings.printSmallMonths != 0);
    ui->chkBirthdays->setChecked(settings.printBirthdays != 0);
    ui->chkAnniversaries->setChecked(settings.printAnniversaries != 0);
    // The preview always opens on the layout of the flags given.
    UpdatePreview();

    const std::pair<QComboBox*, TColor> colors[] = {
        {ui->cmbSalaatTmFont, settings.salaatColor},
        {ui->cmbPrimaryMonth, settings.primaryMonthColor},
        {ui->cmbSecMonth, settings.secondaryMonthColor},
        {ui->cmbPrimaryDate, settings.primaryDateColor},
        {ui->cmbSecDate, settings.secondaryDateColor},
        {ui->cmbEvents, settings.eventsColor},
        {ui->cmbGridColor, settings.gridColor},
    };
    for (const auto& [combo, color] : colors)
        combo->setCurrentIndex(ColorIndex(combo, color));

    if (ShowModal() != mrOk)
        return 0;
    *s = settings;
    return 1;
}

void TfrmPrint::ShowStep(int step) {
    ui->pnlStep1->setVisible(step == 1);
    ui->pnlStep2->setVisible(step == 2);
    ui->pnlStep3->setVisible(step == 3);
    ui->btnBack->setEnabled(step != 1);
    ui->btnNext->setEnabled(step != 3);
}

void TfrmPrint::btnNextClick() {
    if (!ui->pnlStep1->isHidden())
        ShowStep(2);
    else if (!ui->pnlStep2->isHidden())
        ShowStep(3);
}

void TfrmPrint::btnBackClick() {
    if (!ui->pnlStep2->isHidden())
        ShowStep(1);
    else if (!ui->pnlStep3->isHidden())
        ShowStep(2);
}

void TfrmPrint::btnFinishClick() {
    ReadLocationRecord();
    settings.printSalaat = ui->chkSalaat->isChecked() ? 1 : 0;
    settings.printEvents = ui->chkEvents->isChecked() ? 1 : 0;
    settings.dayLight = ui->chkDaylight->isChecked() ? 1 : 0;
    settings.printSmallMonths = ui->chkSmallMonths->isChecked() ? 1 : 0;
    settings.printBirthdays = ui->chkBirthdays->isChecked() ? 1 : 0;
    settings.printAnniversaries = ui->chkAnniversaries->isChecked() ? 1 : 0;
    auto colorOf = [](const QComboBox* combo) {
        return NameToColor(FromQString(combo->currentText()));
    };
    settings.salaatColor = colorOf(ui->cmbSalaatTmFont);
    settings.primaryMonthColor = colorOf(ui->cmbPrimaryMonth);
    settings.secondaryMonthColor = colorOf(ui->cmbSecMonth);
    settings.primaryDateColor = colorOf(ui->cmbPrimaryDate);
    settings.secondaryDateColor = colorOf(ui->cmbSecDate);
    settings.eventsColor = colorOf(ui->cmbEvents);
    settings.gridColor = colorOf(ui->cmbGridColor);
}

void TfrmPrint::chkSalaatClick() {
    UpdatePreview();
}

void TfrmPrint::cmbSalaatTmFontDrawItem(TOwnerDrawCombo* Control, int Index, TRect Rect,
                                        TOwnerDrawState) {
    TCanvas* canvas = Control->Canvas();
    const TCanvas::State saved = canvas->Save();
    canvas->SetBrushColor(NameToColor(FromQString(Control->itemText(Index))));
    canvas->FillRect(::Rect(Rect.Left + kSwatchMargin, Rect.Top + kSwatchMargin,
                            Rect.Right - kSwatchMargin, Rect.Bottom - kSwatchMargin));
    canvas->Restore(saved);
}

void TfrmPrint::LoadCityList() {
    FillPlaceList(*places);
    if (places->Count() > 0)
        SelectDefaultPlace(*places, DefaultMatch::Last);
}

void TfrmPrint::ReadLocationRecord() {
    // Whatever cannot be read leaves a valid empty place: an empty name at
    // 0, 0, zone 0.
    TLocationRecord rec;
    try {
        ReadSelectedPlace(*places, rec);
    } catch (const std::exception& e) {
        ShowException(e);
    }
    settings.location = rec;
}

int TfrmPrint::ColorIndex(const QComboBox* combo, TColor color) {
    const int index = combo->findText(ToQString(ColorToName(color)), Qt::MatchExactly);
    return index < 0 ? 0 : index;
}

const char* TfrmPrint::PreviewPictureName(int key) {
    return kPreviewPictures[key & 15];
}

void TfrmPrint::UpdatePreview() {
    const int key = (ui->chkSmallMonths->isChecked() ? 1 : 0) +
                    (ui->chkSalaat->isChecked() ? 2 : 0) + (ui->chkEvents->isChecked() ? 4 : 0) +
                    (ui->chkBirthdays->isChecked() ? 8 : 0);
    const char* name = PreviewPictureName(key);
    ui->imgMain->setPixmap(LoadBitmap(name, kPreviewSize));
    ui->imgMain->setProperty("picture", QString::fromLatin1(name));
}

void FillColorCombos(QWidget* owner) {
    for (QComboBox* combo : owner->findChildren<QComboBox*>()) {
        if (combo->property("Tag").toInt() != 1)
            continue;
        combo->clear();
        for (const AnsiString& name : ColorNames())
            combo->addItem(ToQString(name));
    }
}
