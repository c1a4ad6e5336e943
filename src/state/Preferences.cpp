#include "state/Preferences.h"

#include "state/PreferencesStore.h"
#include "state/StoredColor.h"

#include <cmath>

namespace {

constexpr int kFileTypes = 5;

QString switchText(bool on) {
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

QString recentKey(int k) {
    return Pref::RecentFileKey + QString::number(k);
}

std::optional<int> storedTwips(const PreferencesStore& store, const QString& key) {
    bool isNumber = false;
    const double value = store.get(Pref::Size, key).trimmed().toDouble(&isNumber);
    // Beyond a few metres of screen the value cannot be a window's: treat it as damaged.
    if (!isNumber || !std::isfinite(value) || std::abs(value) > 1e7)
        return std::nullopt;
    return static_cast<int>(std::lround(value));
}

// A switch that is on until the user turns it off: only "False" (any case) or a zero turns it
// off; a missing or unreadable value leaves it on.
bool onUnlessOff(const QString& stored) {
    const QString text = stored.trimmed();
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    return !isNumber || number != 0;
}

}  // namespace

bool Preferences::isTrue(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    bool isNumber = false;
    const double number = trimmed.toDouble(&isNumber);
    return isNumber && number != 0;
}

bool Preferences::isCleared() const {
    return m_store.isCleared();
}

void Preferences::setCleared(bool cleared) {
    m_store.setCleared(cleared);
}

std::optional<QRect> Preferences::frameGeometry() const {
    if (m_store.get(Pref::Size, Pref::MainTop).isEmpty())
        return std::nullopt;
    const auto height = storedTwips(m_store, Pref::MainHeight);
    const auto left = storedTwips(m_store, Pref::MainLeft);
    const auto top = storedTwips(m_store, Pref::MainTop);
    const auto width = storedTwips(m_store, Pref::MainWidth);
    if (!height || !left || !top || !width || *height <= 0 || *width <= 0)
        return std::nullopt;
    return QRect(std::max(*left, 0), std::max(*top, 0), *width, *height);
}

void Preferences::setFrameGeometry(const QRect& twips) {
    m_store.save(Pref::Size, Pref::MainTop, QString::number(twips.top()));
    m_store.save(Pref::Size, Pref::MainHeight, QString::number(twips.height()));
    m_store.save(Pref::Size, Pref::MainWidth, QString::number(twips.width()));
    m_store.save(Pref::Size, Pref::MainLeft, QString::number(twips.left()));
}

bool Preferences::toolbarShown() const {
    return m_store.get(Pref::Tools, Pref::Checked) == QLatin1String("True");
}

void Preferences::setToolbarShown(bool shown) {
    m_store.save(Pref::Tools, Pref::Checked, switchText(shown));
}

bool Preferences::tabbedWindows() const {
    return m_store.get(Pref::Window, Pref::Tabbed) == QLatin1String("True");
}

void Preferences::setTabbedWindows(bool tabbed) {
    m_store.save(Pref::Window, Pref::Tabbed, switchText(tabbed));
}

bool Preferences::startWithoutDocument() const {
    return m_store.get(Pref::Noform, Pref::Checked) == QLatin1String("True");
}

void Preferences::setStartWithoutDocument(bool on) {
    m_store.save(Pref::Noform, Pref::Checked, switchText(on));
}

TemplateOptions Preferences::templateOptions() const {
    return {m_store.get(Pref::Template, Pref::Checked), m_store.get(Pref::Template, Pref::File)};
}

void Preferences::setTemplateOptions(const TemplateOptions& options) {
    m_store.save(Pref::Template, Pref::Checked, options.checked);
    m_store.save(Pref::Template, Pref::File, options.file);
}

std::optional<FontChoice> Preferences::font() const {
    FontChoice font;
    font.name = m_store.get(Pref::Font, Pref::Name);
    if (font.name.isEmpty())
        return std::nullopt;
    bool isNumber = false;
    const double size = m_store.get(Pref::Font, Pref::FontSize).toDouble(&isNumber);
    font.pointSize =
        isNumber && size > 0 && size < 1000 ? size : FontChoice::systemFixed().pointSize;
    font.bold = isTrue(m_store.get(Pref::Font, Pref::Bold));
    font.italic = isTrue(m_store.get(Pref::Font, Pref::Italic));
    font.strikeout = isTrue(m_store.get(Pref::Font, Pref::Strikethru));
    font.underline = isTrue(m_store.get(Pref::Font, Pref::Underline));
    return font;
}

void Preferences::setFont(const FontChoice& font) {
    m_store.save(Pref::Font, Pref::Bold, switchText(font.bold));
    m_store.save(Pref::Font, Pref::Italic, switchText(font.italic));
    m_store.save(Pref::Font, Pref::Name, font.name);
    m_store.save(Pref::Font, Pref::FontSize, QString::number(font.pointSize));
    m_store.save(Pref::Font, Pref::Strikethru, switchText(font.strikeout));
    m_store.save(Pref::Font, Pref::Underline, switchText(font.underline));
}

QString Preferences::fontStatusText() const {
    QString text = QStringLiteral(" Font:  ") + m_store.get(Pref::Font, Pref::Name);
    if (isTrue(m_store.get(Pref::Font, Pref::Bold)))
        text += QStringLiteral(" Bold");
    if (isTrue(m_store.get(Pref::Font, Pref::Italic)))
        text += QStringLiteral(" Italic");
    return text + QLatin1Char(' ') + m_store.get(Pref::Font, Pref::FontSize) +
           QStringLiteral(" pt");
}

std::optional<EditorColors> Preferences::colors() const {
    const QString back = m_store.get(Pref::Color, Pref::BackColor);
    if (back.isEmpty())
        return std::nullopt;
    EditorColors colors{colorFromStoredValue(back),
                        colorFromStoredValue(m_store.get(Pref::Color, Pref::ForeColor))};
    if (!colors.back.isValid())
        return std::nullopt;
    return colors;
}

void Preferences::setColors(const EditorColors& colors) {
    m_store.save(Pref::Color, Pref::BackColor, storedColorText(colors.back));
    m_store.save(Pref::Color, Pref::ForeColor, storedColorText(colors.fore));
}

QStringList Preferences::recentFiles() const {
    QStringList files;
    for (int k = 1; k <= 4; ++k) {
        const QString file = m_store.get(Pref::RecentFiles, recentKey(k));
        if (!file.isEmpty())
            files.append(file);
    }
    return files;
}

QStringList Preferences::recentFileSection() const {
    QStringList values;
    for (const auto& [key, value] : m_store.getAll(Pref::RecentFiles))
        values.append(value);
    return values;
}

bool Preferences::hasRecentFiles() const {
    return !m_store.get(Pref::RecentFiles, recentKey(1)).isEmpty();
}

void Preferences::setRecentFiles(const QStringList& files) {
    for (int k = 1; k <= files.size(); ++k)
        m_store.save(Pref::RecentFiles, recentKey(k), files.at(k - 1));
}

int Preferences::fileType(int fallback) const {
    bool isNumber = false;
    const int stored = m_store.get(Pref::Files, Pref::Type).toInt(&isNumber);
    return isNumber && stored >= 1 && stored <= kFileTypes ? stored : fallback;
}

void Preferences::setFileType(int position) {
    m_store.save(Pref::Files, Pref::Type, QString::number(position));
}

bool Preferences::syntaxColouring() const {
    return onUnlessOff(m_store.get(Pref::View, Pref::SyntaxColouring));
}

void Preferences::setSyntaxColouring(bool on) {
    m_store.save(Pref::View, Pref::SyntaxColouring, switchText(on));
}

bool Preferences::lineNumbers() const {
    return onUnlessOff(m_store.get(Pref::View, Pref::LineNumbers));
}

void Preferences::setLineNumbers(bool on) {
    m_store.save(Pref::View, Pref::LineNumbers, switchText(on));
}

bool Preferences::tagCompletion() const {
    return onUnlessOff(m_store.get(Pref::View, Pref::TagCompletion));
}

void Preferences::setTagCompletion(bool on) {
    m_store.save(Pref::View, Pref::TagCompletion, switchText(on));
}

bool Preferences::autoCloseTags() const {
    return onUnlessOff(m_store.get(Pref::View, Pref::AutoCloseTags));
}

void Preferences::setAutoCloseTags(bool on) {
    m_store.save(Pref::View, Pref::AutoCloseTags, switchText(on));
}

bool Preferences::highlightCurrentLine() const {
    return onUnlessOff(m_store.get(Pref::View, Pref::HighlightCurrentLine));
}

void Preferences::setHighlightCurrentLine(bool on) {
    m_store.save(Pref::View, Pref::HighlightCurrentLine, switchText(on));
}

bool Preferences::autoIndent() const {
    return onUnlessOff(m_store.get(Pref::View, Pref::AutoIndent));
}

void Preferences::setAutoIndent(bool on) {
    m_store.save(Pref::View, Pref::AutoIndent, switchText(on));
}

bool Preferences::livePreview() const {
    return isTrue(m_store.get(Pref::View, Pref::LivePreview));
}

void Preferences::setLivePreview(bool on) {
    m_store.save(Pref::View, Pref::LivePreview, switchText(on));
}

QString Preferences::livePreviewPlace() const {
    return m_store.get(Pref::View, Pref::LivePreviewPlace);
}

void Preferences::setLivePreviewPlace(const QString& place) {
    m_store.save(Pref::View, Pref::LivePreviewPlace, place);
}

bool Preferences::openLargeFiles() const {
    return isTrue(m_store.get(Pref::Open, Pref::LargeFiles));
}

void Preferences::setOpenLargeFiles(bool on) {
    m_store.save(Pref::Open, Pref::LargeFiles, switchText(on));
}

void Preferences::clearAll() {
    const QPair<QString, QString> probes[] = {
        {Pref::Template, Pref::Checked}, {Pref::Tools, Pref::Checked},
        {Pref::Files, Pref::Type},       {Pref::Font, Pref::Name},
        {Pref::Noform, Pref::Checked},   {Pref::RecentFiles, recentKey(1)},
        {Pref::Size, Pref::MainTop},     {Pref::Color, Pref::BackColor}};
    for (const auto& [section, probe] : probes) {
        if (!m_store.get(section, probe).isEmpty())
            m_store.deleteSection(section);
    }
    m_store.deleteAll();
}
