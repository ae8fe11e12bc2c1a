#include "editor/editrecorddlg.h"

#include "common/fontsizing.h"
#include "common/markup.h"
#include "editor/editortexts.h"
#include "editor/recordtext.h"
#include "store/duplicates.h"
#include "store/edit.h"
#include "store/phonenumber.h"
#include "store/recordrules.h"
#include "web/lookupsettings.h"
#include "formats/interchange.h"
#include "formats/vcard.h"
#include "web/infobelcountry.h"

#include "ui_EditRecord.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QToolTip>

#include <array>

namespace {

// Qt's line edits cut text at 32767 code units by default; a file may hold up to 65535
// bytes in a text, and such a text must be shown whole. Lengths are checked on accept.
constexpr int kNoTruncation = 1 << 20;

constexpr const char *kHeldCode = "heldCode";

// The controls of the texts of the record-field table, by their object names in the
// layout: the text's line edit (the country is the text of a drop list) and, for phones
// and e-mails, the drop list of the type. The record number, fld51 and the GPS position
// (two coordinate fields) are not among them.
struct FieldControl
{
    FieldId field;
    const char *edit;
    const char *typeBox;
};

constexpr FieldControl kFieldControls[] = {
    {FieldId::Label, "esLabel", nullptr},     {FieldId::Note, "esNote", nullptr},
    {FieldId::Street, "esStreet", nullptr},   {FieldId::Numb, "esNumb", nullptr},
    {FieldId::Zip, "esZip", nullptr},         {FieldId::City, "esCity", nullptr},
    {FieldId::Country, "esCountry", nullptr}, {FieldId::Phone1, "esP0Numb", "dlP0Type"},
    {FieldId::Phone2, "esP1Numb", "dlP1Type"}, {FieldId::Phone3, "esP2Numb", "dlP2Type"},
    {FieldId::Phone4, "esP3Numb", "dlP3Type"}, {FieldId::Phone5, "esP4Numb", "dlP4Type"},
    {FieldId::Email1, "esE0Addr", "dlE0Type"}, {FieldId::Email2, "esE1Addr", "dlE1Type"},
    {FieldId::Email3, "esE2Addr", "dlE2Type"}, {FieldId::Email4, "esE3Addr", "dlE3Type"},
    {FieldId::Email5, "esE4Addr", "dlE4Type"}, {FieldId::PoiLabel, "esPoiLabel", nullptr},
};

template <size_t N>
void FillCodes(QComboBox *box, const std::array<CodeText, N> &table)
{
    for (const CodeText &ct : table)
        box->addItem(QString::fromLatin1(ct.text), QVariant(uint(ct.code)));
}

// Selects the entry of a code; a code that has no entry shows as no selection and is
// kept so that it is stored back unchanged.
void SetCode(QComboBox *box, uint32_t code)
{
    box->setCurrentIndex(box->findData(QVariant(uint(code))));
    box->setProperty(kHeldCode, QVariant(uint(code)));
}

uint32_t CodeOf(const QComboBox *box)
{
    const int i = box->currentIndex();
    if (i >= 0)
        return box->itemData(i).toUInt();
    return box->property(kHeldCode).toUInt();
}

// Keeps mouse and keyboard away from a control that is shown normally but read-only
// (check boxes and drop lists have no read-only state of their own).
class ReadOnlyFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        case QEvent::Wheel:
            event->ignore();  // on to the parents: the dialog scrolls
            return true;
        default:
            return false;
        }
    }
};

// A read-only control looks it: the window's background instead of the field's.
void PaintReadOnly(QWidget *w)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Window));
    pal.setColor(QPalette::Button, pal.color(QPalette::Window));
    w->setPalette(pal);
}

void MakeReadOnly(QWidget *w)
{
    w->setFocusPolicy(Qt::NoFocus);
    w->installEventFilter(new ReadOnlyFilter(w));
    PaintReadOnly(w);
}

// Drop lists follow the mouse wheel only while they have the focus, so that scrolling the
// dialog over them never changes a value in passing. An ignored wheel event goes on to the
// parents, so the dialog scrolls instead.
class WheelWhenFocused : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget *>(watched)->hasFocus())
            return false;
        event->ignore();
        return true;
    }
};

void SetNumber(QLineEdit *e, long long v)
{
    e->setText(QString::number(v));
}

// The value of a numeric field that the program filled or the checks have accepted;
// empty or unreadable text gives 0.
int64_t NumberOf(const QLineEdit *e)
{
    return ParseInteger(e->text()).value_or(0);
}

uint32_t U32Of(const QLineEdit *e)
{
    return uint32_t(uint64_t(NumberOf(e)) & 0xFFFFFFFFu);
}

uint16_t U16Of(const QLineEdit *e)
{
    return uint16_t(uint64_t(NumberOf(e)) & 0xFFFFu);
}

} // namespace

EditRecordDlg::EditRecordDlg(Phonebook &book, int slot, Prompter &prompter, QWidget *parent)
    : QDialog(parent), ui(new Ui::EditRecord),
      book_(book), prompter_(prompter)
{
    const LookupSettings lookups = ReadLookupSettings();
    infoBelHost = lookups.infoBelHost;
    geocodeProvider = lookups.geocodeProvider;
    geocodeBaseUrl = lookups.geocodeUrl;
    ui->setupUi(this);
    setWindowTitle(EditorText::Tr(EditorText::kTitle));
    phoneRegion_ = DefaultPhoneRegion();
    SetupControls();
    SetNumber(ui->eiRecN, slot + 1);
    LoadRecord(SlotRecord());
    Connect();
    ui->esLabel->setFocus();
}

EditRecordDlg::~EditRecordDlg() = default;

void EditRecordDlg::SetupControls()
{
    for (const FieldControl &c : kFieldControls) {
        QWidget *control = findChild<QWidget *>(QLatin1String(c.edit));
        auto *box = qobject_cast<QComboBox *>(control);
        fieldEdits_[size_t(c.field)] = box ? box->lineEdit() : qobject_cast<QLineEdit *>(control);
        Q_ASSERT(fieldEdits_[size_t(c.field)]);
        if (c.typeBox) {
            typeBoxes_[size_t(c.field)] = findChild<QComboBox *>(QLatin1String(c.typeBox));
            Q_ASSERT(typeBoxes_[size_t(c.field)]);
        }
    }

    FillCodes(ui->dlRecType, Codes::recordTypes);
    FillCodes(ui->dlPostal, Codes::postalTypes);
    for (const RecordField &f : Fields()) {
        if (PhoneIndex(f.id) >= 0)
            FillCodes(typeBoxes_[size_t(f.id)], Codes::phoneTypes);
        else if (EmailIndex(f.id) >= 0)
            FillCodes(typeBoxes_[size_t(f.id)], Codes::emailTypes);
    }

    // Country: the directory's countries as choices; any other text may be typed.
    for (unsigned i = 0;; ++i) {
        const QString name = InfoBelCountry(i);
        if (name.isEmpty())
            break;
        ui->esCountry->addItem(name);
    }
    ui->esCountry->setInsertPolicy(QComboBox::NoInsert);
    ui->esCountry->setCompleter(nullptr);  // no completion that would change typed text
    ui->esCountry->setMaxVisibleItems(12);

    for (QWidget *w : {static_cast<QWidget *>(ui->dlRecType), static_cast<QWidget *>(ui->dlPostal),
                       static_cast<QWidget *>(ui->oPostal), static_cast<QWidget *>(ui->oPoi)})
        MakeReadOnly(w);

    for (QLineEdit *e : findChildren<QLineEdit *>()) {
        e->setMaxLength(kNoTruncation);
        // Read-only fields stay selectable with the mouse but are left out of the tab chain.
        if (e->isReadOnly()) {
            e->setFocusPolicy(Qt::ClickFocus);
            PaintReadOnly(e);
        }
    }
    auto *wheelFilter = new WheelWhenFocused(this);
    for (QComboBox *box : findChildren<QComboBox *>()) {
        box->installEventFilter(wheelFilter);
        // Not WheelFocus: a wheel turn over a drop list must not give it the focus.
        if (box->focusPolicy() == Qt::WheelFocus)
            box->setFocusPolicy(Qt::StrongFocus);
    }

    // Integer fields take digits only, decimal fields a signed number with "." or ",".
    const QRegularExpression wholeNumber(QStringLiteral("\\d{0,10}"));
    for (QLineEdit *e : {ui->eiCDquarter, ui->eiCDyear, ui->eiCDcid})
        e->setValidator(new QRegularExpressionValidator(wholeNumber, e));
    const QRegularExpression decimal(QStringLiteral("[-+]?\\d{0,5}([.,]\\d{0,15})?"));
    for (QLineEdit *e : {ui->edLat, ui->edLon})
        e->setValidator(new QRegularExpressionValidator(decimal, e));

    // Only OK reacts to Enter.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(b == ui->btOK);
    ui->btOK->setDefault(true);

    SetupPhoneChecks();
    SizeFromFont();
}

void EditRecordDlg::SetupPhoneChecks()
{
    phoneEdits_ = {ui->esP0Numb, ui->esP1Numb, ui->esP2Numb, ui->esP3Numb, ui->esP4Numb};
    for (int k = 0; k < kPhoneCount; ++k) {
        QLineEdit *edit = phoneEdits_[size_t(k)];
        QAction *note = edit->addAction(style()->standardIcon(QStyle::SP_MessageBoxWarning), QLineEdit::TrailingPosition);
        note->setObjectName(QStringLiteral("phoneNote%1").arg(k));
        note->setVisible(false);
        // A click shows the tip at once.
        connect(note, &QAction::triggered, this, [note] { QToolTip::showText(QCursor::pos(), note->toolTip()); });
        QAction *format = edit->addAction(style()->standardIcon(QStyle::SP_BrowserReload), QLineEdit::TrailingPosition);
        format->setObjectName(QStringLiteral("phoneFormat%1").arg(k));
        format->setVisible(false);
        connect(format, &QAction::triggered, this, [this, k, edit] {
            const PhoneTidy tidy = TidyPhone(edit->text(), phoneRegion_, PhoneFormat::International);
            if (tidy.changed)
                edit->setText(tidy.text);
            CheckPhone(k);
        });
        connect(edit, &QLineEdit::textEdited, this, [this, k] { CheckPhone(k); });
        phoneNotes_[size_t(k)] = note;
        phoneFormats_[size_t(k)] = format;
    }
}

void EditRecordDlg::SetPhoneRegion(const QString &region)
{
    phoneRegion_ = region;
    holders_.reset();
    CheckPhones();
}

void EditRecordDlg::CheckPhones()
{
    for (int k = 0; k < kPhoneCount; ++k)
        CheckPhone(k);
}

void EditRecordDlg::CheckPhone(int k)
{
    const QString text = phoneEdits_[size_t(k)]->text();
    const int slot = Slot();
    // A user's own slot holds the user's number, which the unit does not dial: like the
    // phonebook check, the editor says nothing about it.
    QStringList notes;
    if (slot >= book_.Data().userCount) {
        if (!holders_ && !text.isEmpty())
            holders_ = std::make_unique<PhoneHolders>(book_.Data(), phoneRegion_);
        const uint32_t owner = U32Of(ui->eiOwner);
        const int sameAs = text.isEmpty() ? -1 : holders_->OtherHolder(text, slot, owner);
        const int possibly = text.isEmpty() || sameAs >= 0 ? -1 : holders_->PossibleHolder(text, slot, owner);
        notes = PhoneNotes(text, phoneRegion_, sameAs, possibly);
    }
    QAction *note = phoneNotes_[size_t(k)];
    note->setToolTip(notes.join(QLatin1Char('\n')));
    note->setVisible(!notes.isEmpty());
    const PhoneTidy tidy = TidyPhone(text, phoneRegion_, PhoneFormat::International);
    QAction *format = phoneFormats_[size_t(k)];
    format->setToolTip(EditorText::Tr(EditorText::kWriteInternational).arg(tidy.text));
    format->setVisible(tidy.changed);
}

void EditRecordDlg::SizeFromFont()
{
    // Short fields are as wide as the characters they hold in the dialog's font; the
    // layouts give every caption and button the room its text needs.
    const struct { QLineEdit *edit; int chars; } fixed[] = {
        {ui->eiRecN, 5}, {ui->eiOwner, 2}, {ui->eiReco, 5}, {ui->eiSimpos, 5}, {ui->esNumb, 6},
        {ui->esZip, 8}, {ui->edLat, 11}, {ui->edLon, 11}, {ui->esPosCode, 20}, {ui->eiPosNumb, 6},
        {ui->eiPoiCat0, 3}, {ui->eiPoiCat1, 3}, {ui->eiPoiFac0, 8}, {ui->eiPoiFac1, 8},
        {ui->eiCDquarter, 5}, {ui->eiCDyear, 5}, {ui->eiCDcid, 10}, {ui->eiACPtype, 5},
        {ui->esACPdate1, 14}, {ui->esACPdate2, 14}};
    for (const auto &f : fixed)
        f.edit->setFixedWidth(CharsWidth(f.edit, f.chars));
    for (const RecordField &f : Fields())
        if (typeBoxes_[size_t(f.id)])  // phones and e-mails
            fieldEdits_[size_t(f.id)]->setMinimumWidth(CharsWidth(fieldEdits_[size_t(f.id)], 14));
    // The roads' codes: ten bytes in hex with blanks between them.
    for (QLineEdit *e : {ui->esPosRoad1, ui->esPosRoad2})
        e->setMinimumWidth(CharsWidth(e, 29));

    // Drop lists keep the width of their longest choice: the dialog scrolls instead.
    for (QComboBox *box : findChildren<QComboBox *>())
        box->setSizePolicy(QSizePolicy::Minimum, box->sizePolicy().verticalPolicy());

    // The three check boxes that begin rows line up, and the ref.CD caption with them.
    int boxes = 0;
    for (QCheckBox *c : {ui->oGPS, ui->oPostal, ui->oPoi})
        boxes = qMax(boxes, c->sizeHint().width());
    for (QCheckBox *c : {ui->oGPS, ui->oPostal, ui->oPoi})
        c->setMinimumWidth(boxes);
    ui->lblCD->setMinimumWidth(qMax(boxes, ui->lblCD->sizeHint().width()));
}

void EditRecordDlg::showEvent(QShowEvent *event)
{
    // Sized once, when first shown.
    if (!fitted_) {
        fitted_ = true;
        FitScreen();
    }
    QDialog::showEvent(event);
}

void EditRecordDlg::FitScreen()
{
    // The layout's size or more, but never beyond the screen: the fields scroll instead.
    const QSize content = ui->scrollContents->sizeHint();
    QSize want = size().expandedTo(content);
    if (const QScreen *s = parentWidget() ? parentWidget()->screen() : screen()) {
        // Room for the window frame and title bar, which the window system adds.
        const QSize room = s->availableGeometry().size() - QSize(16, 40);
        // Scrolling up and down takes a scroll bar's width from the fields.
        if (want.height() > room.height())
            want.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
        want = want.boundedTo(room);
    }
    resize(want);
}

void EditRecordDlg::Connect()
{
    // textEdited and activated come from the user only; values the program sets with
    // setText or setCurrentIndex do not count as edits.
    // The address is what the unit wants upper-cased.
    for (const RecordField &f : Fields())
        if (f.upper && f.id != FieldId::Country)
            connect(fieldEdits_[size_t(f.id)], &QLineEdit::textEdited, this, [this] { SetChanged(addressChanged); });
    connect(ui->esCountry->lineEdit(), &QLineEdit::textEdited, this, [this](const QString &text) {
        shownCountry_ = text;
        SetChanged(addressChanged);
    });
    // The drop list also reports an activation when focus merely leaves it; only a choice
    // that changes the text is an edit.
    connect(ui->esCountry, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        const QString text = ui->esCountry->itemText(index);
        if (text != shownCountry_)
            SetChanged(addressChanged);
        shownCountry_ = text;
    });
    connect(ui->esLabel, &QLineEdit::textEdited, this, [this] { SetChanged(labelChanged); });
    // Coordinates typed in are meant to be stored: they tick GPS, without which Save would
    // drop them.
    for (QLineEdit *e : {ui->edLat, ui->edLon})
        connect(e, &QLineEdit::textEdited, ui->oGPS, [this] { ui->oGPS->setChecked(true); });

    connect(ui->btOK, &QPushButton::clicked, this, [this] { OnOk(); });
    connect(ui->btCancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(ui->btPrev, &QPushButton::clicked, this, [this] { Step(false); });
    connect(ui->btNext, &QPushButton::clicked, this, [this] { Step(true); });
    connect(ui->btImport, &QPushButton::clicked, this, [this] { OnImport(); });
    connect(ui->btExport, &QPushButton::clicked, this, [this] { OnExport(); });
    connect(ui->btInfobel, &QPushButton::clicked, this, [this] { OnInfoBel(); });
    connect(ui->btGeocode, &QPushButton::clicked, this, [this] { OnGeocode(); });
}

int EditRecordDlg::Slot() const
{
    return int(NumberOf(ui->eiRecN)) - 1;
}

AgendaRecord EditRecordDlg::SlotRecord() const
{
    const int index = Slot();
    if (index >= 0 && index < book_.SlotCount())
        return book_.Data().slots[size_t(index)];
    return AgendaRecord();
}

// ---- transfers ------------------------------------------------------------------------

void EditRecordDlg::SetCountry(const QString &country)
{
    ui->esCountry->setCurrentIndex(ui->esCountry->findText(country));
    ui->esCountry->setEditText(country);
    shownCountry_ = country;
}

void EditRecordDlg::LoadRecord(const AgendaRecord &r)
{
    SetCode(ui->dlRecType, r.recType);
    SetNumber(ui->eiOwner, r.owner);
    SetNumber(ui->eiSimpos, r.simPos);
    SetNumber(ui->eiReco, r.voiceIndex);
    for (const RecordField &f : Fields()) {
        QLineEdit *edit = fieldEdits_[size_t(f.id)];
        if (f.id == FieldId::Country)
            SetCountry(f.read(r));
        else if (edit)
            edit->setText(f.read(r));
        if (const int k = PhoneIndex(f.id); k >= 0)
            SetCode(typeBoxes_[size_t(f.id)], r.phoneType[size_t(k)]);
        if (const int k = EmailIndex(f.id); k >= 0)
            SetCode(typeBoxes_[size_t(f.id)], r.emailType[size_t(k)]);
    }

    const NavData &nav = r.nav;
    ui->oGPS->setChecked(nav.navFlags & kNavGps);
    // The stored longitude is west-positive; the field shows it east-positive.
    shownLat_ = nav.lat;
    shownLon_ = nav.lon;
    shownLatText_ = CoordText(nav.lat.ToDegrees(), nav.lat, false);
    shownLonText_ = CoordText(-nav.lon.ToDegrees(), nav.lon, true);
    ui->edLat->setText(shownLatText_);
    ui->edLon->setText(shownLonText_);

    ui->oPostal->setChecked(nav.navFlags & kNavPostal);
    SetCode(ui->dlPostal, nav.postalType);
    ui->esPosCode->setText(HexText(nav.posCode));
    ui->esPosRoad1->setText(HexText(nav.posRoad1));
    ui->esPosRoad2->setText(HexText(nav.posRoad2));
    SetNumber(ui->eiPosNumb, nav.posNumb);

    ui->oPoi->setChecked(nav.navFlags & kNavPoi);
    SetNumber(ui->eiPoiCat0, nav.poiCat & 0xFF);
    SetNumber(ui->eiPoiCat1, nav.poiCat >> 8);
    SetNumber(ui->eiPoiFac0, nav.poiFac0);
    SetNumber(ui->eiPoiFac1, nav.poiFac1);

    SetNumber(ui->eiCDquarter, nav.cdQuarter);
    SetNumber(ui->eiCDyear, nav.cdYear);
    SetNumber(ui->eiCDcid, nav.cdCid);

    SetNumber(ui->eiACPtype, r.acpType);
    ui->esACPdate1->setText(DateText(r.acpDate1));
    ui->esACPdate2->setText(DateText(r.acpDate2));

    // The phonebook may have changed since the numbers were last gathered (Prev, Next).
    holders_.reset();
    CheckPhones();

    // Show every text from its start, also when it is longer than the field.
    for (QLineEdit *e : findChildren<QLineEdit *>())
        e->setCursorPosition(0);
}

void EditRecordDlg::FillRecord(AgendaRecord &r) const
{
    r.recType = CodeOf(ui->dlRecType);
    r.owner = U32Of(ui->eiOwner);
    r.simPos = U16Of(ui->eiSimpos);
    r.voiceIndex = U16Of(ui->eiReco);
    // The texts as the user typed them, the address upper-cased as the unit expects it.
    for (const RecordField &f : Fields()) {
        if (const QLineEdit *edit = fieldEdits_[size_t(f.id)])
            f.write(r, f.upper ? UpperPerUnit(edit->text()) : edit->text());
        if (const int k = PhoneIndex(f.id); k >= 0)
            r.phoneType[size_t(k)] = CodeOf(typeBoxes_[size_t(f.id)]);
        if (const int k = EmailIndex(f.id); k >= 0)
            r.emailType[size_t(k)] = CodeOf(typeBoxes_[size_t(f.id)]);
    }

    NavData &nav = r.nav;
    // The presence bits come from the three boxes only; any other bit is dropped.
    nav.navFlags = (ui->oGPS->isChecked() ? kNavGps : 0u) | (ui->oPostal->isChecked() ? kNavPostal : 0u)
                   | (ui->oPoi->isChecked() ? kNavPoi : 0u);
    if (ui->edLat->text() == shownLatText_)
        nav.lat = shownLat_;
    else
        nav.lat.FromDegrees(ReadNumberText(ui->edLat->text(), kTypedDecimal, 0.0).value_or(0.0));
    if (ui->edLon->text() == shownLonText_)
        nav.lon = shownLon_;
    else
        nav.lon.FromDegrees(-ReadNumberText(ui->edLon->text(), kTypedDecimal, 0.0).value_or(0.0));

    nav.postalType = CodeOf(ui->dlPostal);
    HexBytes(ui->esPosCode->text(), nav.posCode);
    HexBytes(ui->esPosRoad1->text(), nav.posRoad1);
    HexBytes(ui->esPosRoad2->text(), nav.posRoad2);
    nav.posNumb = U32Of(ui->eiPosNumb);

    nav.poiCat = uint16_t((U32Of(ui->eiPoiCat0) + 256u * U32Of(ui->eiPoiCat1)) & 0xFFFFu);
    nav.poiFac0 = U32Of(ui->eiPoiFac0);
    nav.poiFac1 = U32Of(ui->eiPoiFac1);

    nav.cdQuarter = U32Of(ui->eiCDquarter);
    nav.cdYear = U32Of(ui->eiCDyear);
    nav.cdCid = U32Of(ui->eiCDcid);

    r.acpType = U32Of(ui->eiACPtype);
    r.acpDate1 = DateBytes(ui->esACPdate1->text());
    r.acpDate2 = DateBytes(ui->esACPdate2->text());
    // fld51, phoneWord and emailWord are not shown and keep the caller's values.
}

// ---- accept rules ---------------------------------------------------------------------

bool EditRecordDlg::Refuse(QWidget *control, const QString &message)
{
    prompter_.Information(message);
    control->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->selectAll();
    return false;
}

bool EditRecordDlg::ValidateFields()
{
    auto checkInteger = [this](QLineEdit *e, long long lo, long long hi) {
        const std::optional<int64_t> v = ParseInteger(e->text());
        if (!v || *v < lo || *v > hi)
            return Refuse(e, RecordText::outOfRange().arg(lo).arg(hi));
        return true;
    };
    auto checkDecimal = [this](QLineEdit *e, double limit) {
        const std::optional<double> v = ReadNumberText(e->text(), kTypedDecimal, 0.0);
        if (!v)
            return Refuse(e, EditorText::Tr(EditorText::kNotANumber));
        if (*v < -limit || *v > limit)
            return Refuse(e, RecordText::outOfRange().arg(-limit).arg(limit));
        return true;
    };

    const QString owner = OwnerRefusal(ParseInteger(ui->eiOwner->text()));
    if (!owner.isEmpty())
        return Refuse(ui->eiOwner, owner);
    // The texts the user can type, in the table's order (the layout's).
    for (const RecordField &f : Fields()) {
        QLineEdit *edit = fieldEdits_[size_t(f.id)];
        if (!edit || !f.editable)
            continue;
        const QString refusal = FieldRefusal(f.id, edit->text());
        if (!refusal.isEmpty())
            return Refuse(edit, refusal);
    }
    // A GPS position outside the globe would be meaningless to the unit. Without the GPS
    // bit the coordinates are not used, and whatever a file holds there must not keep the
    // user from storing the rest of the record.
    const bool gps = ui->oGPS->isChecked();
    if (!checkDecimal(ui->edLat, gps ? kMaxLatitude : 65536)
        || !checkDecimal(ui->edLon, gps ? kMaxLongitude : 65536))
        return false;
    for (QLineEdit *e : {ui->eiCDquarter, ui->eiCDyear, ui->eiCDcid})
        if (!checkInteger(e, 0, 4294967295LL))
            return false;
    return true;
}

// ---- buttons --------------------------------------------------------------------------

QWidget *EditRecordDlg::ControlOf(FieldId field) const
{
    QLineEdit *edit = fieldEdits_[size_t(field)];
    return edit ? edit : ui->esLabel;
}

bool EditRecordDlg::StoreDialog()
{
    if (!ValidateFields())
        return false;
    RecordEdit edit;
    edit.slot = Slot();
    edit.record = SlotRecord();
    FillRecord(edit.record);
    // The texts the dialog lets the user type.
    for (const RecordField &f : Fields())
        edit.checked.set(size_t(f.id), f.editable && fieldEdits_[size_t(f.id)]);
    edit.addressChanged = addressChanged;
    edit.labelChanged = labelChanged;
    const EditResult stored = AcceptRecordEdit(book_, std::move(edit), prompter_);
    if (!stored) {
        if (!stored.refusal.isEmpty())
            Refuse(ControlOf(stored.field), stored.refusal);
        return false;
    }
    addressChanged = false;
    labelChanged = false;
    if (WhenStored)
        WhenStored(Slot());
    return true;
}

void EditRecordDlg::OnOk()
{
    if (!StoreDialog())
        return;
    accept();
}

void EditRecordDlg::OnCancel()
{
    reject();
}

void EditRecordDlg::Step(bool next)
{
    if (!StoreDialog())
        return;
    int index = Slot();
    if (WhenStep)
        WhenStep(next, index);
    const std::optional<AgendaRecord> record = book_.Data().GetRecord(index);
    if (!record) {
        // No record there: stay on the one just stored, as it was stored (the answers to
        // the questions may have cleared data).
        LoadRecord(SlotRecord());
        return;
    }
    SetNumber(ui->eiRecN, index + 1);
    LoadRecord(*record);
}

QString EditRecordDlg::VcfTitle(const char *context, const char *title) const
{
    return QCoreApplication::translate(context, title).arg(ui->eiRecN->text(), ui->esLabel->text());
}

Prompter::FileRequest EditRecordDlg::VcfRequest() const
{
    Prompter::FileRequest request;
    request.filter = InterchangeText::Tr(InterchangeText::kVcfFilter);
    request.defaultSuffix = QString::fromLatin1(InterchangeText::kVcfSuffix);
    request.proposed = VcfFileName(ui->esLabel->text(), Slot());
    request.directory = vcfFolder_;
    return request;
}

void EditRecordDlg::OnImport()
{
    Prompter::FileRequest request = VcfRequest();
    request.mode = Prompter::FileRequest::Mode::Open;
    request.title = VcfTitle("InterchangeText", InterchangeText::kImportVcfTitle);
    const QString path = prompter_.ChooseFile(request);
    if (path.isEmpty())
        return;
    vcfFolder_ = QFileInfo(path).absolutePath();

    AgendaRecord record;
    record.owner = U32Of(ui->eiOwner);
    QString reason;
    if (!ImportVCard(record, path, prompter_, &reason)) {
        prompter_.InformationDetail(InterchangeText::Tr(InterchangeText::kErrorImportingFile).arg(MarkupEscape(MessagePath(path))),
                                    reason);
        return;
    }
    LoadRecord(record);
}

void EditRecordDlg::OnExport()
{
    Prompter::FileRequest request = VcfRequest();
    request.mode = Prompter::FileRequest::Mode::Save;
    request.title = VcfTitle("EditorText", EditorText::kExportTitle);
    const QString path = prompter_.ChooseFile(request);
    if (path.isEmpty())
        return;
    vcfFolder_ = QFileInfo(path).absolutePath();

    AgendaRecord record = SlotRecord();
    FillRecord(record);
    if (const WriteResult written = ExportVCard(record, path); !written)
        prompter_.InformationDetail(InterchangeText::Tr(InterchangeText::kErrorExportingFile).arg(MarkupEscape(MessagePath(path))),
                                    written.reason);
}
