// The option controls that the settings tabs bind to printer options besides
// the stock check boxes, radio buttons and sliders.
#pragma once

#include <QColor>
#include <QComboBox>
#include <QFrame>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;

// The constraint mark: an error icon appended to a label's rich text, and the
// style of the tooltip that explains it.
inline QString errorMarkText() { return QStringLiteral(" <img src=':/icons/error'> "); }
inline QString errorMarkTrimmedText() { return QStringLiteral("<img src=':/icons/error'> "); }
inline QString errorTooltipStyleText()
{
    return QStringLiteral("QToolTip { color: #ffffff; background-color: #2a82da; border: 1px solid white; }");
}

// The text without any constraint mark: the whole mark with its leading
// blank first, then a bare image fragment, so that putting a mark on and
// taking it off again gives back exactly the text that stood before.
inline QString withoutErrorMark(QString text)
{
    text.remove(errorMarkText());
    text.remove(errorMarkTrimmedText());
    return text;
}

// Puts the constraint mark on a label (on) or takes it off, keeping the
// label's text otherwise; a label carries at most one mark. A label of plain
// text (the printer description's and the server's texts are never anything
// else) is shown escaped while it carries the mark, and as plain text again
// without it; a label the program set to rich text of its own keeps it.
void markLabelText(QLabel *label, bool on);

// Shows text on the label as plain text, keeping the label's constraint mark
// when it carries one.
void setPlainLabelText(QLabel *label, const QString &text);

// The text of a label without its constraint mark, as the user reads it.
QString labelPlainText(const QLabel *label);

// A plain line between the parts of a page (QFrame::HLine or VLine).
QFrame *plainLine(QFrame::Shape shape);

// A titled row of exclusive, checkable icon buttons. Each button stands for
// one choice of an option: its accessible name is the choice's display text.
// The title label reads the title, a blank and the selected choice text.
class VelButtonGroup : public QFrame
{
    Q_OBJECT
public:
    VelButtonGroup(QWidget *parent, const QString &title);
    ~VelButtonGroup() override;

    // choiceKeywords: the keywords of the choices the button stands for,
    // first the one it sends; they find its choice when the printer words
    // the choice otherwise than name.
    void addButton(const QString &name, const QString &iconPath, const QStringList &choiceKeywords = {});
    QStringList choiceKeywords(int index) const { return buttonKeywords.value(index); }
    void selectButtonByName(const QString &name);

    QString checkedButtonName() const;
    QStringList buttonNames() const;
    int checkedIndex() const;
    int checkedPushButtonIndex() const;
    QPushButton *pushButton(int id) const;
    QList<QAbstractButton *> buttonList() const { return *buttons; }
    QLabel *titleLabel() const { return label; }
    QString iconPath(int index) const;

    void updateLabelColor(bool enabled);

    // Error mark on the title label.
    void showErrorTooltip(const QString &tooltip);
    void clearError();
    void markLabel(bool on);

    void setTitle(const QString &title);
    QString getTitle() const { return title; }
    int count() const { return m_count; }

    // Removes every button from the layout and the group.
    void removeAllButtons();

    // Enables or disables the group and paints its title accordingly.
    virtual void setEnabled(bool enabled);

protected:
    // Keeps the title's colour when a style polishes the title anew.
    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    virtual void setButton(int button_index);
    virtual void setButton(QAbstractButton *button);
    void enableButton(QAbstractButton *button, bool enabled);
    void enableButton(int index, bool enabled);
    void constructLabel();

signals:
    void buttonClicked(int index);
    void buttonClicked(QAbstractButton *button);

private slots:
    void emit_buttonClicked(QAbstractButton *button);

private:
    // The icon of a resource path, built once per group: a selection sets
    // every button's icon, and a reload adds the same buttons again.
    QIcon cachedIcon(const QString &path);
    // Sets the icon only when the button does not show it already.
    void showIcon(QAbstractButton *button, const QString &path);
    // The title's colour as updateLabelColor last chose it.
    QColor chosenLabelColour() const;
    void paintLabelColour();

    QGridLayout *layout = nullptr;
    QButtonGroup *group = nullptr;
    QList<QAbstractButton *> *buttons = nullptr;
    QList<QString> *iconPaths = nullptr;
    QList<QStringList> buttonKeywords;
    QLabel *label = nullptr;
    QString title;
    int m_count = 0;
    QColor normalTextColor;
    // Whether updateLabelColor chose a colour, and which one.
    bool labelColourChosen = false;
    bool labelColourNormal = true;
    QHash<QString, QIcon> icons;
};

// A section button: a 50x50 icon button with a check box over its
// bottom-left corner. Checking it switches on its dependent controls;
// unchecked, it stands for each dependent's "off" choice.
class VelCheckBoxButton : public QFrame
{
    Q_OBJECT
public:
    VelCheckBoxButton(QWidget *parent, const QString &name, const QIcon &icon);
    ~VelCheckBoxButton() override;

    // offValue: the display text of the dependent's "off" choice, or
    // "no_default" when the section writes nothing for it.
    void addDependent(QWidget *widget, const QString &offValue);
    // Takes a dependent out again together with its off value; nothing
    // when the widget is not a dependent.
    void removeDependent(QWidget *widget);
    QList<QWidget *> &dependents() { return *m_dependents; }
    QList<QString> dependentValues() const { return *m_dependentValues; }
    QString dependentValue(QWidget *widget) const;
    // Replaces the off value of a dependent added before; nothing for a
    // widget that is not one.
    void setDependentValue(QWidget *widget, const QString &offValue);

    void setChecked(bool checked);
    bool isChecked() const;

    // After loading: drops each dependent combo's "off" item; a section one
    // of whose combos has no items is switched off and disabled until a
    // later load fills them again.
    void syncDependentCombos();

    QPushButton *iconButton() const { return button; }
    QCheckBox *checkBoxWidget() const { return checkBox; }

signals:
    void toggled(bool state);
    void toggled(int state);

private slots:
    void emit_toggled();
    void fire_signals();
    void set_enabled(bool toggle);

private:
    QPushButton *button = nullptr;
    QCheckBox *checkBox = nullptr;
    QGridLayout *layout = nullptr;
    QList<QWidget *> *m_dependents = nullptr;
    QList<QString> *m_dependentValues = nullptr;
    // Disabled by syncDependentCombos because a dependent combo was empty.
    bool disabledForEmptyCombo = false;
};

// A combo box whose drop-down list is as wide as its widest item.
class ComboBoxEx : public QComboBox
{
    Q_OBJECT
public:
    ComboBoxEx();

    // The width the drop-down list gets (never less than the combo's own).
    int popupWidth() const;

    void showPopup() override;
};
