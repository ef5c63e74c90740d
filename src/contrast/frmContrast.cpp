// SPDX-License-Identifier: MIT
#include "contrast/frmContrast.h"

#include "contrast/ContrastSample.h"
#include "contrast/ContrastWording.h"
#include "language/LanguageSwitch.h"
#include "contrast/LabelBackdrop.h"
#include "contrast/frmContrastPrivate.h"
#include "cvd/Distinguishability.h"
#include "cvd/VisionModeHolder.h"
#include "cvd/VisionSimulator.h"
#include "display/frmTessary.h"
#include "platform/ColorValue.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "platform/Workspace.h"
#include "scheme/Scheme.h"
#include "settings/TessaryConfig.h"
#include "settings/WindowPlacement.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace tessary {

namespace {

int s_tableComputations = 0;

QRectF twipsOf(const QRect& px)
{
    return QRectF(Twips::fromPixelsX(px.x()), Twips::fromPixelsY(px.y()), Twips::fromPixelsX(px.width()),
                  Twips::fromPixelsY(px.height()));
}

bool rowInputChanged(const ContrastTable::Input& a, const ContrastTable::Input& b, int text)
{
    const auto& fa = a.fonts[text];
    const auto& fb = b.fonts[text];
    return a.colors[text] != b.colors[text] || a.colors[3] != b.colors[3] || a.colors[4] != b.colors[4]
        || fa.points != fb.points || fa.bold != fb.bold || a.picture[text] != b.picture[text] || !(a.rule == b.rule)
        || a.target != b.target;
}

QString cellText(const ContrastTable::Cell& c)
{
    if (c.percentileText.isEmpty())
        return c.ratioText + u'\n' + c.marksText;
    return QCoreApplication::translate("frmContrast", "最低 %1\n5%: %2\n%3").arg(c.ratioText, c.percentileText, c.marksText);
}

} // namespace

QColor frmContrast::Impl::qColorOf(std::int32_t value)
{
    return QColor(ColorValue::red(value), ColorValue::green(value), ColorValue::blue(value));
}

void frmContrast::Impl::setTexts(QLabel* l, const QString& text, const QString& name)
{
    if (l->text() != text)
        l->setText(text);
    if (l->accessibleName() != name)
        l->setAccessibleName(name);
}

frmContrast::frmContrast()
    : Form(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , d(std::make_unique<Impl>())
{
    setWindowTitle(QCoreApplication::translate("frmContrast", "コントラスト"));
    setAccessibleName(QCoreApplication::translate("frmContrast", "コントラスト"));
    createControls();
    d->refreshTimer.setSingleShot(true);
    d->refreshTimer.setInterval(0);
    connect(&d->refreshTimer, &QTimer::timeout, this, &frmContrast::refresh);
    connect(&Scheme::instance(), &Scheme::schemeChanged, &d->refreshTimer, qOverload<>(&QTimer::start));
    // The simulated rows follow the display window's colour-vision mode.
    VisionModeHolder& vision = VisionModeHolder::instance();
    d->vision = vision.mode();
    connect(&vision, &VisionModeHolder::modeChanged, this, &frmContrast::setVisionMode);
    // While open, the window hands what it shows to the settings each time they are saved.
    connect(&Workspace::instance(), &Workspace::settingsWanted, this, [this] {
        TessaryConfig* config = Workspace::instance().settings();
        if (!config || isUnloaded())
            return;
        ContrastSettings shown = settings();
        shown.visible = true;
        config->setContrastSettings(shown);
    });
    // An unloaded window waits for its deletion hidden: it follows nothing from then on.
    connect(this, &Form::unloaded, this, &frmContrast::stopFollowing);
}

void frmContrast::stopFollowing()
{
    disconnect(&Scheme::instance(), nullptr, this, nullptr);
    disconnect(&VisionModeHolder::instance(), nullptr, this, nullptr);
    disconnect(&Workspace::instance(), &Workspace::settingsWanted, this, nullptr);
    disconnect(&Scheme::instance(), nullptr, &d->refreshTimer, nullptr);
    d->refreshTimer.stop();
}

int frmContrast::tableComputations() { return s_tableComputations; }

frmContrast::~frmContrast() = default;

const ContrastTable& frmContrast::table() const { return d->table; }
const ContrastTable& frmContrast::visionTable() const { return d->visionTable; }

void frmContrast::Form_Load()
{
    refresh();
    // Every word of the table is made from the results: all of it is made again, with the
    // names that hold a text's name.
    connect(&LanguageSwitch::instance(), &LanguageSwitch::languageChanged, this, [this] {
        for (int i = 0; i < Impl::kTexts; ++i) {
            d->cmdSuggest[i]->setAccessibleName(ContrastWording::suggestButtonName(i));
            d->cmdApply[i]->setAccessibleName(ContrastWording::applyButtonName(i));
            for (int j = 0; j < Impl::kBackgrounds; ++j)
                d->lblVisionCell[i][j]->setAccessibleName(ContrastWording::textName(i) + QStringLiteral(" / ")
                                                          + ContrastWording::backgroundName(j));
            for (Impl::ProposalRow& row : d->proposalRows[i]) {
                row.code->setAccessibleName(tr("%1の提案の色").arg(ContrastWording::textName(i)));
                row.copy->setAccessibleName(tr("%1の提案をコピー").arg(ContrastWording::textName(i)));
            }
            d->sampleTexts[i] = QString(QChar(0)); // a text no label holds
        }
        if (auto* note = findChild<QLabel*>(QStringLiteral("lblDistinctNote"))) {
            note->setText(ContrastWording::distinguishabilityNote());
            note->setAccessibleName(ContrastWording::distinguishabilityNote());
        }
        // The rule list holds captions; the target list holds level names, the same everywhere.
        d->cboRule->setItemText(0, ContrastWording::ruleName(LargeTextRule::Kind::Japanese));
        d->cboRule->setItemText(1, ContrastWording::ruleName(LargeTextRule::Kind::Wcag));
        // In Japanese the list keeps the width it was laid out with.
        d->cboRule->setSizeAdjustPolicy(LanguageSwitch::instance().translator().hasCatalogue()
                                            ? QComboBox::AdjustToContents
                                            : QComboBox::AdjustToContentsOnFirstShow);
        d->shown.reset();
        d->distinctShown = false;
        refresh();
        // Longer words widen the window once the captions have changed; back in Japanese it
        // takes the size it had before.
        QMetaObject::invokeMethod(this, [this] {
            const QSize before = property("_tessaryJapaneseSize").toSize();
            if (!LanguageSwitch::instance().translator().hasCatalogue()) {
                if (before.isValid())
                    resize(before);
                return;
            }
            if (!before.isValid())
                setProperty("_tessaryJapaneseSize", size());
            resize(size().expandedTo(sizeHint()));
        }, Qt::QueuedConnection);
    });
}

void frmContrast::applySettings(const ContrastSettings& settings)
{
    d->settings = settings;
    d->cboTarget->setCurrentIndex(settings.target == Wcag::Level::AAA ? 1 : 0);
    d->cboRule->setCurrentIndex(settings.rule.kind() == LargeTextRule::Kind::Wcag ? 1 : 0);
    if (settings.left && settings.top) {
        QList<QRectF> screens;
        for (const QScreen* s : QGuiApplication::screens())
            screens.append(twipsOf(s->geometry()));
        const QScreen* primary = QGuiApplication::primaryScreen();
        const QRectF area = primary ? twipsOf(primary->availableGeometry()) : QRectF();
        const QRectF now(leftTw(), topTw(), widthTw(), heightTw());
        const QRectF r = WindowPlacement::restore(QRectF(*settings.left, *settings.top, now.width(), now.height()),
                                                  now, screens, area);
        setLeftTw(r.left());
        setTopTw(r.top());
    }
    refresh();
}

ContrastSettings frmContrast::settings() const
{
    ContrastSettings s = d->settings;
    s.left = leftTw();
    s.top = topTw();
    return s;
}

void frmContrast::setVisionMode(const VisionMode& mode)
{
    d->vision = mode;
    d->shown.reset();
    refresh();
}

void frmContrast::cboTarget_Click()
{
    d->settings.target = d->cboTarget->currentIndex() == 1 ? Wcag::Level::AAA : Wcag::Level::AA;
    refresh();
}

void frmContrast::cboRule_Click()
{
    d->settings.rule = LargeTextRule(d->cboRule->currentIndex() == 1 ? LargeTextRule::Kind::Wcag
                                                                     : LargeTextRule::Kind::Japanese);
    refresh();
}

void frmContrast::refresh()
{
    d->refreshTimer.stop();
    const SchemeState state = Scheme::instance().state();
    ContrastTable::Input in;
    in.colors = state.colors;
    for (int i = 0; i < Impl::kTexts; ++i)
        in.fonts[i] = {state.labels[i].font.size, state.labels[i].font.bold};
    in.rule = d->settings.rule;
    in.target = d->settings.target;

    const DisplayState shown = state.pictureShown ? frmTessary::shown() : DisplayState{};
    const bool overPicture = state.pictureShown && !shown.picture.isNull();
    if (overPicture) {
        Impl::PictureKey key{shown.picture.cacheKey(), {}, shown.clientSize};
        for (int i = 0; i < Impl::kTexts; ++i)
            key.boxes[i] = shown.labels[i].box;
        if (d->pictureKey != key) {
            for (int i = 0; i < Impl::kTexts; ++i) {
                const std::vector<std::uint32_t> pixels =
                    LabelBackdrop::pixelsUnder(shown.picture, key.boxes[i], key.client);
                d->pictures[i] = PictureContrast(pixels, PictureContrast::PixelOrder::Argb32);
            }
            d->pictureKey = key;
        }
    } else {
        d->pictureKey.reset();
        d->pictures = {};
    }
    for (int i = 0; i < Impl::kTexts; ++i) {
        in.picture[i] = overPicture ? d->pictures[i].measure(in.colors[i]) : std::nullopt;
        if (state.labels[i].text != d->sampleTexts[i]) {
            d->sampleTexts[i] = state.labels[i].text;
            Impl::setTexts(d->lblText[i], ContrastWording::textName(i) + u'\n' + d->sampleTexts[i],
                     ContrastWording::textName(i));
        }
    }

    // Most announcements change one colour: only the rows that depend on what changed are
    // computed again into words.
    std::array<bool, Impl::kTexts> changed{};
    bool any = false;
    for (int i = 0; i < Impl::kTexts; ++i) {
        changed[i] = !d->shown || rowInputChanged(*d->shown, in, i);
        any = any || changed[i];
    }
    if (!any)
        return;
    d->input = in;
    d->shown = in;
    d->table = ContrastTable::compute(in);
    ++s_tableComputations;
    showTable(changed);
    showDistinguishability();

    if (!d->vision.isNone()) {
        const VisionSimulator simulator(d->vision);
        ContrastTable::Input seen = in;
        for (std::int32_t& c : seen.colors)
            c = simulator.simulate(c);
        seen.picture = {};
        d->visionTable = ContrastTable::compute(seen);
    }
    showVisionTable();
}

void frmContrast::showTable(const std::array<bool, ContrastTable::kTexts>& changed)
{
    const ContrastTable& t = d->table;
    Impl::setTexts(d->lblRule, t.ruleText(), t.ruleText());
    bool anyPicture = false;
    for (int i = 0; i < Impl::kTexts; ++i) {
        const ContrastTable::Row& row = t.row(i);
        anyPicture = anyPicture || row.overPicture;
        if (!changed[i])
            continue;
        d->lblText[i]->setColors(Impl::qColorOf(d->input.colors[i]), Impl::qColorOf(d->input.colors[ContrastTable::kTexts]));
        for (int j = 0; j < Impl::kBackgrounds; ++j) {
            const ContrastTable::Cell& c = t.cell(i, j);
            Impl::setTexts(d->lblCell[i][j], cellText(c), c.accessibleName);
        }
        if (d->cmdSuggest[i]->toolTip() != row.targetText)
            d->cmdSuggest[i]->setToolTip(row.targetText);
    }
    d->lblPicture->setVisible(anyPicture);
    clearSuggestions();
}

void frmContrast::showVisionTable()
{
    const bool shown = !d->vision.isNone();
    d->fraVision->setVisible(shown);
    if (!shown)
        return;
    const QString mode = d->vision.label();
    d->fraVision->setTitle(QCoreApplication::translate("frmContrast", "見え方: %1").arg(mode));
    for (int i = 0; i < Impl::kTexts; ++i) {
        for (int j = 0; j < Impl::kBackgrounds; ++j) {
            const ContrastTable::Cell& c = d->visionTable.cell(i, j);
            Impl::setTexts(d->lblVisionCell[i][j], cellText(c), mode + QStringLiteral(" ") + c.accessibleName);
        }
    }
}

// A search result goes once the text colour, a background or the target it was made for
// has changed: applying it then would not do what it said.
void frmContrast::clearSuggestions()
{
    for (int i = 0; i < Impl::kTexts; ++i) {
        const auto& s = d->suggestions[i];
        const bool stale = s
            && (s->result.both.original != d->input.colors[i] || s->background1 != d->input.colors[3]
                || s->background2 != d->input.colors[4] || s->result.both.target != d->table.row(i).targetRatio);
        if (!stale)
            continue;
        d->suggestions[i].reset();
        d->cmdApply[i]->setEnabled(false);
        Impl::setTexts(d->lblSuggestion[i], QString(), QString());
        showProposals(i);
    }
}

void frmContrast::showDistinguishability()
{
    // Only the five colours matter; a font or rule change leaves the section as it is.
    if (d->distinctShown && d->distinctColors == d->input.colors)
        return;
    d->distinctShown = true;
    d->distinctColors = d->input.colors;
    const QString text = ContrastWording::distinguishability(Distinguishability::ofScheme(d->input.colors));
    Impl::setTexts(d->lblDistinct, text, text);
}

} // namespace tessary
