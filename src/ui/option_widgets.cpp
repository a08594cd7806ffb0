#include "ui/option_widgets.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>

namespace {

// Set on a label of plain text while it carries the mark as rich text.
const char markedPlainProperty[] = "ordovanMarkedPlain";

bool isMarkedPlain(const QLabel *label)
{
    return label->property(markedPlainProperty).toBool();
}

// The inverse of QString::toHtmlEscaped: every "&" of an escaped text
// starts one of its four entities, so "&amp;" goes last.
QString unescapedHtml(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

void showPlain(QLabel *label, const QString &text, bool marked)
{
    label->setProperty(markedPlainProperty, marked);
    label->setTextFormat(marked ? Qt::RichText : Qt::PlainText);
    label->setText(marked ? text.toHtmlEscaped() + errorMarkText() : text);
}

} // namespace

QString labelPlainText(const QLabel *label)
{
    const QString text = withoutErrorMark(label->text());
    return isMarkedPlain(label) ? unescapedHtml(text) : text;
}

void markLabelText(QLabel *label, bool on)
{
    if (!label)
        return;
    if (!isMarkedPlain(label) && label->textFormat() == Qt::RichText) {
        // Rich text of the program's own: only the mark comes and goes.
        QString text = withoutErrorMark(label->text());
        if (on)
            text.append(errorMarkText());
        label->setText(text);
        return;
    }
    showPlain(label, labelPlainText(label), on);
}

void setPlainLabelText(QLabel *label, const QString &text)
{
    if (label)
        showPlain(label, text, isMarkedPlain(label));
}

QFrame *plainLine(QFrame::Shape shape)
{
    auto *line = new QFrame;
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

// ---------------------------------------------------------------------------
// VelButtonGroup

VelButtonGroup::VelButtonGroup(QWidget *parent, const QString &title)
    : QFrame(parent)
{
    this->title = title;
    label = new QLabel;
    setPlainLabelText(label, title);
    layout = new QGridLayout;
    layout->setSpacing(3);
    const QPalette pal = parent ? parent->palette() : palette();
    normalTextColor = pal.brush(pal.currentColorGroup(), QPalette::WindowText).color();
    setStyleSheet(QStringLiteral("QPushButton{ border: none; outline: none; }"));
    group = new QButtonGroup;
    buttons = new QList<QAbstractButton *>;
    iconPaths = new QList<QString>;
    m_count = 0;
    setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(label, 0, 0, 1, 4, Qt::AlignLeft);
    layout->setContentsMargins(0, 0, 0, 0);
    setLayout(layout);
    label->installEventFilter(this);

    connect(group, SIGNAL(buttonClicked(QAbstractButton*)), this,
            SLOT(setButton(QAbstractButton*)), Qt::UniqueConnection);
    connect(group, SIGNAL(buttonClicked(QAbstractButton*)), this,
            SLOT(emit_buttonClicked(QAbstractButton*)));
}

VelButtonGroup::~VelButtonGroup()
{
    delete group;
    delete buttons;
    delete iconPaths;
}

void VelButtonGroup::addButton(const QString &name, const QString &iconPath, const QStringList &choiceKeywords)
{
    auto *button = new QPushButton;
    button->setText(QString());
    button->setAccessibleName(name);
    button->setIcon(cachedIcon(iconPath));
    button->setIconSize(QSize(50, 50));
    button->setCheckable(true);
    button->setFocusPolicy(Qt::StrongFocus);
    buttons->append(button);
    iconPaths->append(iconPath);
    buttonKeywords.append(choiceKeywords);
    group->addButton(button, -1);
    layout->addWidget(button, 1, m_count, 1, 1, Qt::AlignLeft);
    ++m_count;
}

void VelButtonGroup::removeAllButtons()
{
    for (QAbstractButton *button : qAsConst(*buttons)) {
        group->removeButton(button);
        layout->removeWidget(button);
        delete button;
    }
    buttons->clear();
    iconPaths->clear();
    buttonKeywords.clear();
    m_count = 0;
    setPlainLabelText(label, title);
}

QString VelButtonGroup::iconPath(int index) const
{
    return iconPaths->value(index);
}

void VelButtonGroup::selectButtonByName(const QString &name)
{
    bool matched = false;
    for (int i = 0; i < buttons->size(); ++i) {
        QAbstractButton *button = buttons->at(i);
        if (!matched && button->accessibleName() == name) {
            matched = true;
            showIcon(button, iconPaths->at(i) + QStringLiteral("-selected"));
            button->setChecked(true);
        } else {
            showIcon(button, iconPaths->at(i));
        }
    }
    if (!matched && !buttons->isEmpty()) {
        QAbstractButton *first = buttons->first();
        showIcon(first, iconPaths->first() + QStringLiteral("-selected"));
        first->setChecked(true);
    }
    if (group->checkedButton())
        constructLabel();
    else
        setPlainLabelText(label, title);
}

QIcon VelButtonGroup::cachedIcon(const QString &path)
{
    auto found = icons.constFind(path);
    if (found == icons.constEnd())
        found = icons.insert(path, QIcon(path));
    return found.value();
}

void VelButtonGroup::showIcon(QAbstractButton *button, const QString &path)
{
    const QIcon icon = cachedIcon(path);
    if (button->icon().cacheKey() != icon.cacheKey())
        button->setIcon(icon);
}

void VelButtonGroup::setButton(QAbstractButton *button)
{
    if (!button)
        return;
    selectButtonByName(button->accessibleName());
}

void VelButtonGroup::setButton(int button_index)
{
    if (button_index < 0 || button_index >= buttons->size())
        return;
    selectButtonByName(buttons->at(button_index)->accessibleName());
}

void VelButtonGroup::constructLabel()
{
    QAbstractButton *checked = group->checkedButton();
    setPlainLabelText(label, title + QStringLiteral(" ") + (checked ? checked->accessibleName() : QString()));
}

QString VelButtonGroup::checkedButtonName() const
{
    QAbstractButton *checked = group->checkedButton();
    return checked ? checked->accessibleName() : QString();
}

QStringList VelButtonGroup::buttonNames() const
{
    QStringList names;
    for (QAbstractButton *button : qAsConst(*buttons))
        names.append(button->accessibleName());
    return names;
}

int VelButtonGroup::checkedIndex() const
{
    QAbstractButton *checked = group->checkedButton();
    return checked ? buttons->indexOf(checked) : -1;
}

int VelButtonGroup::checkedPushButtonIndex() const
{
    auto *checked = qobject_cast<QPushButton *>(group->checkedButton());
    return checked ? buttons->indexOf(checked) : -1;
}

QPushButton *VelButtonGroup::pushButton(int id) const
{
    return qobject_cast<QPushButton *>(group->button(id));
}

void VelButtonGroup::enableButton(QAbstractButton *button, bool enabled)
{
    if (!button || testAttribute(Qt::WA_Disabled))
        return;
    button->setEnabled(enabled);
}

void VelButtonGroup::enableButton(int index, bool enabled)
{
    if (index < 0 || index >= buttons->size())
        return;
    enableButton(buttons->at(index), enabled);
}

void VelButtonGroup::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
    updateLabelColor(enabled);
}

void VelButtonGroup::updateLabelColor(bool enabled)
{
    labelColourChosen = true;
    labelColourNormal = enabled;
    paintLabelColour();
}

QColor VelButtonGroup::chosenLabelColour() const
{
    return labelColourNormal ? normalTextColor : QColor(QStringLiteral("#9f9e9e"));
}

void VelButtonGroup::paintLabelColour()
{
    QPalette pal = label->palette();
    pal.setBrush(QPalette::All, label->foregroundRole(), QBrush(chosenLabelColour(), Qt::SolidPattern));
    label->setPalette(pal);
}

bool VelButtonGroup::eventFilter(QObject *watched, QEvent *event)
{
    // Polishing the group under a style sheet hands the title its parent's
    // palette again, which greys a disabled title: the chosen colour stays.
    if (watched == label && labelColourChosen
        && (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)) {
        const QColor colour = chosenLabelColour();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            if (label->palette().color(group, label->foregroundRole()) != colour) {
                paintLabelColour();
                break;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}

void VelButtonGroup::emit_buttonClicked(QAbstractButton *button)
{
    auto *push = qobject_cast<QPushButton *>(button);
    const int index = buttons->indexOf(push);
    emit buttonClicked(static_cast<QAbstractButton *>(push));
    emit buttonClicked(index);
}

void VelButtonGroup::showErrorTooltip(const QString &tooltip)
{
    markLabelText(label, true);
    label->setToolTip(tooltip);
    label->setStyleSheet(errorTooltipStyleText());
}

void VelButtonGroup::clearError()
{
    markLabelText(label, false);
    label->setToolTip(QString());
}

void VelButtonGroup::markLabel(bool on)
{
    markLabelText(label, on);
}

void VelButtonGroup::setTitle(const QString &title)
{
    this->title = title;
}

// ---------------------------------------------------------------------------
// VelCheckBoxButton

VelCheckBoxButton::VelCheckBoxButton(QWidget *parent, const QString &name, const QIcon &icon)
    : QFrame(parent)
{
    Q_UNUSED(name);
    button = new QPushButton(this);
    button->setIcon(icon);
    button->setIconSize(QSize(50, 50));
    button->setStyleSheet(QStringLiteral("border: none; outline: none;"));
    checkBox = new QCheckBox(this);
    layout = new QGridLayout;
    layout->addWidget(button, 0, 0, 0, 0, Qt::AlignBottom);
    layout->addWidget(checkBox, 0, 0, 0, 0, Qt::AlignBottom | Qt::AlignLeft);
    checkBox->setStyleSheet(QStringLiteral("margin: 0px"));
    layout->setContentsMargins(0, 0, 0, 0);
    setLayout(layout);
    setMinimumSize(50, 50);
    m_dependents = new QList<QWidget *>;
    m_dependentValues = new QList<QString>;

    connect(button, SIGNAL(clicked()), checkBox, SLOT(toggle()));
    connect(checkBox, SIGNAL(toggled(bool)), this, SLOT(set_enabled(bool)), Qt::UniqueConnection);
    connect(button, SIGNAL(toggled(bool)), this, SLOT(set_enabled(bool)), Qt::UniqueConnection);
    connect(checkBox, SIGNAL(toggled(bool)), this, SLOT(emit_toggled()), Qt::UniqueConnection);
    connect(button, SIGNAL(toggled(bool)), this, SLOT(emit_toggled()), Qt::UniqueConnection);
    connect(checkBox, SIGNAL(toggled(bool)), this, SLOT(fire_signals()), Qt::UniqueConnection);
    connect(button, SIGNAL(toggled(bool)), this, SLOT(fire_signals()), Qt::UniqueConnection);
}

VelCheckBoxButton::~VelCheckBoxButton()
{
    delete m_dependents;
    delete m_dependentValues;
}

void VelCheckBoxButton::addDependent(QWidget *widget, const QString &offValue)
{
    m_dependents->append(widget);
    m_dependentValues->append(offValue);
}

void VelCheckBoxButton::removeDependent(QWidget *widget)
{
    const int index = m_dependents->indexOf(widget);
    if (index < 0)
        return;
    m_dependents->removeAt(index);
    if (index < m_dependentValues->size())
        m_dependentValues->removeAt(index);
}

QString VelCheckBoxButton::dependentValue(QWidget *widget) const
{
    const int index = m_dependents->indexOf(widget);
    if (index < 0 || index >= m_dependentValues->size())
        return QString();
    return m_dependentValues->at(index);
}

void VelCheckBoxButton::setDependentValue(QWidget *widget, const QString &offValue)
{
    const int index = m_dependents->indexOf(widget);
    if (index >= 0 && index < m_dependentValues->size())
        (*m_dependentValues)[index] = offValue;
}

void VelCheckBoxButton::setChecked(bool checked)
{
    checkBox->setChecked(checked);
}

bool VelCheckBoxButton::isChecked() const
{
    return checkBox->isChecked();
}

void VelCheckBoxButton::set_enabled(bool toggle)
{
    for (QWidget *widget : qAsConst(*m_dependents))
        widget->setEnabled(toggle);
}

void VelCheckBoxButton::emit_toggled()
{
    const bool state = isChecked();
    emit toggled(state);
    emit toggled(state ? 1 : 0);
}

void VelCheckBoxButton::fire_signals()
{
    // Setting the index a combo already shows emits nothing, so the index is
    // announced directly: whatever hangs on a dependent combo's index sees
    // the section's switch too. A combo whose signals are blocked stays quiet.
    for (QWidget *widget : qAsConst(*m_dependents)) {
        if (auto *combo = qobject_cast<ComboBoxEx *>(widget))
            emit combo->currentIndexChanged(combo->currentIndex());
    }
}

void VelCheckBoxButton::syncDependentCombos()
{
    const bool wasChecked = isChecked();
    bool emptyCombo = false;
    for (int i = 0; i < m_dependents->size(); ++i) {
        auto *combo = qobject_cast<ComboBoxEx *>(m_dependents->at(i));
        if (!combo)
            continue;
        if (combo->count() == 0)
            emptyCombo = true;
        const QString offValue = m_dependentValues->value(i);
        const int index = combo->findData(offValue, Qt::DisplayRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            combo->removeItem(index);
    }
    if (emptyCombo) {
        setEnabled(false);
        disabledForEmptyCombo = true;
        checkBox->setChecked(false);
    } else {
        if (disabledForEmptyCombo)
            setEnabled(true);
        disabledForEmptyCombo = false;
        checkBox->setChecked(wasChecked);
    }
    if (!isChecked()) {
        for (QWidget *widget : qAsConst(*m_dependents))
            widget->setEnabled(false);
    }
}

// ---------------------------------------------------------------------------
// ComboBoxEx

ComboBoxEx::ComboBoxEx()
    : QComboBox(nullptr)
{
}

int ComboBoxEx::popupWidth() const
{
    const int iconAllowance = iconSize().width() + 4;
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int i = 0; i < count(); ++i) {
        int width = metrics.horizontalAdvance(itemText(i));
        if (!itemIcon(i).isNull())
            width += iconAllowance;
        widest = qMax(widest, width);
    }
    QStyleOptionComboBox option;
    initStyleOption(&option);
    int width = style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, 0), this).width();
    auto *scrollArea = qobject_cast<QAbstractScrollArea *>(view());
    if (scrollArea && count() > 10) {
        QStyleOptionSlider sliderOption;
        sliderOption.initFrom(scrollArea->verticalScrollBar());
        sliderOption.orientation = Qt::Vertical;
        width += style()->pixelMetric(QStyle::PM_ScrollBarExtent, &sliderOption,
                                      scrollArea->verticalScrollBar());
    }
    return qMax(width, this->width());
}

void ComboBoxEx::showPopup()
{
    view()->window()->setFixedWidth(popupWidth());
    QComboBox::showPopup();
}
