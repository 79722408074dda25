// The hyper bank panel: the settings of the bank on show, edited in place.
// Every change of a control is written into the viewed bank at once.
#include <algorithm>

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "core/HyperRange.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "mainwindow/ChannelViews.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/Lang.h"

namespace {

struct Place {
    int left;
    int top;
    int width;
    bool shown;
};

// Positions in twips inside the frame.
constexpr std::array<Place, 14> kComboPlaces{{
    {1800, 600, 1455, true},   {3360, 600, 1455, true},   {1800, 960, 1455, true},
    {3360, 960, 1455, true},   {1680, 4320, 1455, false}, {3240, 4320, 1455, false},
    {1800, 1320, 1455, true},  {3360, 1320, 1455, true},  {1680, 4680, 1455, false},
    {1800, 1800, 1455, true},  {1800, 2160, 1455, true},  {5880, 4800, 2175, false},
    {1800, 3720, 1455, false}, {4920, 2160, 3735, true},
}};
constexpr std::array<Place, 9> kCheckPlaces{{
    {5640, 600, 2895, true},   {5640, 840, 2895, true},   {5640, 1080, 2895, true},
    {5640, 1320, 2895, true},  {5640, 3840, 2695, false}, {5880, 4080, 2695, false},
    {5880, 4320, 2695, false}, {5640, 1560, 2895, true},  {5880, 4560, 2695, false},
}};
constexpr int kComboHeight = 315;
constexpr int kCheckHeight = 255;
constexpr int kLabelGap = 50;
constexpr int kColumnGap = 105;  // between the left and the right list as placed
constexpr std::array<int, 5> kLeftColumn{0, 2, 6, 9, 10};
constexpr std::array<int, 3> kRightColumn{1, 3, 7};
constexpr std::array<int, 2> kHeadLeft{2160, 3840};
constexpr std::array<bool, 8> kLabelShown{true, true, false, true, false, true, true, false};

QRect PixelRect(int left, int top, int width, int height) {
    return {PixelsFromTwips(left), PixelsFromTwips(top), PixelsFromTwips(width), PixelsFromTwips(height)};
}

// The width that shows the longest item of a list whole.
int WidthForItems(const QComboBox& box) {
    int text = 0;
    for (int k = 0; k < box.count(); ++k) text = std::max(text, box.fontMetrics().horizontalAdvance(box.itemText(k)));
    QStyleOptionComboBox opt;
    opt.initFrom(&box);
    return box.style()->sizeFromContents(QStyle::CT_ComboBox, &opt, QSize(text, box.height()), &box).width();
}

using platform::Lang;

void SetItems(platform::ComboBox& box, std::initializer_list<std::string> items) {
    int i = 0;
    for (const std::string& item : items) box.SetList(i++, item);
}

void SetNumbers(platform::ComboBox& box, const std::vector<int16_t>& numbers) {
    std::vector<std::string> texts;
    texts.reserve(numbers.size());
    for (const int16_t n : numbers) texts.push_back(std::to_string(n));
    box.Clear();
    box.AddItems(texts);
}

// The list a caption stands beside.
int LabelList(int label) { return label < 4 ? 2 * label : label + 4; }

// Item `index`, item 0 when there is no such item.
void ShowItem(platform::ComboBox& box, int index) {
    if (box.ListCount() == 0) return;
    box.SetListIndex(index >= 0 && index < box.ListCount() ? index : 0);
}

bool InHyperView() {
    return CHListType == static_cast<int16_t>(ListType::Hyper1) ||
           CHListType == static_cast<int16_t>(ListType::Hyper2);
}

// The fields of the bank that list index i (0..13) and check box i (0..8)
// stand for; nullptr where the control writes no setting field.
int16_t* ComboField(HyperSetData& s, int i) {
    switch (i) {
        case 0: return &s.ModeL;
        case 1: return &s.ModeR;
        case 2: return &s.NormalIDL;
        case 3: return &s.NormalIDR;
        case 4: return &s.HomeReturnL;
        case 5: return &s.HomeReturnR;
        case 6: return &s.VFOBandL;
        case 7: return &s.VFOBandR;
        case 8: return &s.DisplayMode;
        case 9: return &s.SubDisplay;
        case 10: return &s.MainSel;
        case 11: return &s.RelayMode;
        default: return nullptr;
    }
}

int16_t& CheckField(HyperSetData& s, int i) {
    std::array<int16_t*, 9> fields{&s.VFOBandEdge,  &s.AMAuto,       &s.AutoRepeaterSplit,
                                   &s.HyperAutoSave, &s.TVFunction,  &s.TVPriority,
                                   &s.TVBackground,  &s.VFOTrack,    &s.TVOpen};
    return *fields[static_cast<std::size_t>(i)];
}

constexpr int kRightBandOffset = 4;  // the right side's ranges are 5 and 6 of six

}  // namespace

void frmMain::CreateHyperPanel() {
    for (int i = 0; i < 14; ++i) {
        const Place& p = kComboPlaces[static_cast<std::size_t>(i)];
        auto* box = Keep(new platform::ComboBox(Frame1), "Combo2", i);
        box->setGeometry(PixelRect(p.left, p.top, p.width, kComboHeight));
        box->setVisible(p.shown);
        Combo2[static_cast<std::size_t>(i)] = box;
        platform::OnEvent(box, &QComboBox::currentIndexChanged, this, "Combo2_Click",
                          [this, i] { Combo2_Click(static_cast<int16_t>(i)); });
    }
    Combo2[11]->AddItem("VFO");
    Combo2[11]->AddItem("CH");

    for (int i = 0; i < 9; ++i) {
        const Place& p = kCheckPlaces[static_cast<std::size_t>(i)];
        auto* box = Keep(new QCheckBox(Frame1), "Check1", i);
        box->setGeometry(PixelRect(p.left, p.top, p.width, kCheckHeight));
        box->setVisible(p.shown);
        Check1[static_cast<std::size_t>(i)] = box;
        platform::OnEvent(box, &QCheckBox::toggled, this, "Check1_Click",
                          [this, i] { Check1_Click(static_cast<int16_t>(i)); });
    }

    for (int i = 0; i < 8; ++i) {
        auto* label = Keep(new QLabel(Frame1), "Label1", i);
        label->setVisible(kLabelShown[static_cast<std::size_t>(i)]);
        Label1[static_cast<std::size_t>(i)] = label;
    }
    for (int i = 0; i < 2; ++i) {
        auto* head = Keep(new QLabel(i == 0 ? QStringLiteral("Left") : QStringLiteral("Right"), Frame1), "Label2", i);
        head->move(PixelsFromTwips(kHeadLeft[static_cast<std::size_t>(i)]), PixelsFromTwips(240));
        Label2[static_cast<std::size_t>(i)] = head;
    }
    Label3 = Keep(new QLabel(Frame1), "Label3");
    Label3->move(PixelsFromTwips(4920), PixelsFromTwips(1920));
}

void frmMain::LoadHyperPanelLists() {
    for (int i = 0; i < 8; ++i) {
        QLabel* label = Label1[static_cast<std::size_t>(i)];
        label->setText(Lang(static_cast<int16_t>(7001 + i)));
        label->adjustSize();
        const QWidget* list = Combo2[static_cast<std::size_t>(LabelList(i))];
        label->move(list->x() - label->width() - PixelsFromTwips(kLabelGap),
                    list->y() + (list->height() - label->height()) / 2);
    }
    Label3->setText(Lang(7070));
    Label3->adjustSize();
    SetItems(*Combo2[13], {GetLangText(7071), GetLangText(7072), GetLangText(7073)});
    for (int i = 0; i < 9; ++i) Check1[static_cast<std::size_t>(i)]->setText(Lang(static_cast<int16_t>(7020 + i)));

    const std::string vfo = GetLangText(7050);
    const std::string channel = GetLangText(7051);
    SetItems(*Combo2[0], {vfo, channel, GetLangText(7052)});
    SetItems(*Combo2[1], {vfo, channel, GetLangText(7052)});
    FillHyperChannelLists();
    SetItems(*Combo2[4], {vfo, channel});
    SetItems(*Combo2[5], {vfo, channel});
    SetItems(*Combo2[6], {GetHyperFreText(1), GetHyperFreText(2), GetHyperFreText(3), GetHyperFreText(4)});
    SetItems(*Combo2[7], {GetHyperFreText(5), GetHyperFreText(6)});
    SetItems(*Combo2[8], {GetLangText(1750), GetLangText(1751), GetLangText(1752)});
    SetItems(*Combo2[9], {GetLangText(7053), GetLangText(7054), GetLangText(7055)});
    SetItems(*Combo2[10], {GetLangText(7056), GetLangText(7057)});
    FitHyperPanelColumns();
}

// The places above were made for a narrower font than ours: a list whose
// longest item does not fit widens, and the right column and the check
// boxes move right just as far as needed to stay clear of it.
void frmMain::FitHyperPanelColumns() {
    const int gap = PixelsFromTwips(kColumnGap);
    auto fit = [&](int i) {
        platform::ComboBox& box = *Combo2[static_cast<std::size_t>(i)];
        const Place& p = kComboPlaces[static_cast<std::size_t>(i)];
        box.resize(std::max(PixelsFromTwips(p.width), WidthForItems(box)), box.height());
    };
    for (const int i : kLeftColumn) fit(i);
    int rightLeft = PixelsFromTwips(kComboPlaces[1].left);
    for (const int i : kLeftColumn)
        if (Combo2[static_cast<std::size_t>(i)]->y() < PixelsFromTwips(kComboPlaces[9].top))
            rightLeft = std::max(rightLeft, Combo2[static_cast<std::size_t>(i)]->geometry().right() + 1 + gap);
    int checkLeft = PixelsFromTwips(kCheckPlaces[0].left);
    for (const int i : kRightColumn) {
        fit(i);
        QWidget& box = *Combo2[static_cast<std::size_t>(i)];
        box.move(rightLeft, box.y());
        checkLeft = std::max(checkLeft, box.geometry().right() + 1 + gap);
    }
    const int shift = rightLeft - PixelsFromTwips(kComboPlaces[1].left);
    Label2[1]->move(PixelsFromTwips(kHeadLeft[1]) + shift, Label2[1]->y());
    for (std::size_t i = 0; i < Check1.size(); ++i)
        if (kCheckPlaces[i].shown) Check1[i]->move(checkLeft + PixelsFromTwips(kCheckPlaces[i].left - kCheckPlaces[0].left), Check1[i]->y());
}

void frmMain::FillHyperChannelLists() {
    const HyperChannelLists lists = HyperNormalChannelLists();
    SetNumbers(*Combo2[2], lists.left);
    SetNumbers(*Combo2[3], lists.right);
}

void frmMain::ShowHyperPanel() {
    if (!InHyperView()) return;
    const auto bank = static_cast<std::size_t>(CHListType - 2);
    const HyperSetData s = CurData.Hyper[bank].Setting;
    // The channels may have changed since the view was built (a file, a
    // radio read): the lists always offer the channels of the data shown.
    FillHyperChannelLists();

    ShowItem(*Combo2[0], s.ModeL);
    ShowItem(*Combo2[1], s.ModeR);
    SetComboText(*Combo2[2], std::to_string(s.NormalIDL + 1));
    SetComboText(*Combo2[3], std::to_string(s.NormalIDR + 1));
    ShowItem(*Combo2[4], s.HomeReturnL);
    ShowItem(*Combo2[5], s.HomeReturnR);
    ShowItem(*Combo2[6], s.VFOBandL);
    ShowItem(*Combo2[7], s.VFOBandR - kRightBandOffset);
    ShowItem(*Combo2[8], s.DisplayMode);
    ShowItem(*Combo2[9], s.SubDisplay);
    ShowItem(*Combo2[10], s.MainSel);
    ShowItem(*Combo2[11], s.RelayMode);
    ShowItem(*Combo2[13], CurData.HyperMode[bank]);
    HyperSetData shown = s;
    for (int i = 0; i < 9; ++i) Check1[static_cast<std::size_t>(i)]->setChecked(CheckField(shown, i) == 1);

    // A control set to the selection or state it already had says nothing;
    // the bank must still hold what the panel shows.
    for (int i = 0; i < 14; ++i) Combo2_Click(static_cast<int16_t>(i));
    for (int i = 0; i < 9; ++i) Check1_Click(static_cast<int16_t>(i));
}

void frmMain::Combo2_Click(int16_t index) {
    if (!InHyperView() || index < 0 || index >= 14) return;
    const auto bank = static_cast<std::size_t>(CHListType - 2);
    HyperSetData& s = CurData.Hyper[bank].Setting;
    const platform::ComboBox& box = *Combo2[static_cast<std::size_t>(index)];
    switch (index) {
        case 2: GetComboValue(box, s.NormalIDL, -1); return;
        case 3: GetComboValue(box, s.NormalIDR, -1); return;
        case 12: return;
        default: break;
    }
    const int selected = box.ListIndex();
    if (selected < 0) return;
    if (index == 13)
        CurData.HyperMode[bank] = static_cast<int16_t>(selected);
    else if (index == 7)
        s.VFOBandR = static_cast<int16_t>(selected + kRightBandOffset);
    else if (int16_t* field = ComboField(s, index))
        *field = static_cast<int16_t>(selected);
}

void frmMain::Check1_Click(int16_t index) {
    if (!InHyperView() || index < 0 || index >= 9) return;
    const auto bank = static_cast<std::size_t>(CHListType - 2);
    CheckField(CurData.Hyper[bank].Setting, index) =
        static_cast<int16_t>(platform::CheckValue(Check1[static_cast<std::size_t>(index)]));
}
