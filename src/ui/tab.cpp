#include "ui/tab.h"

#include "ui/option_widgets.h"

const QString Tab::errorMark = QStringLiteral(" <img src=':/icons/error'> ");
const QString Tab::errorMarkTrimmed = QStringLiteral("<img src=':/icons/error'> ");
const QString Tab::errorTooltipStyle = QStringLiteral("QToolTip { color: #ffffff; background-color: #2a82da; border: 1px solid white; }");

Tab::Tab(QWidget *dialog) : QWidget(dialog), dialog(dialog), constraintMarks(new QHash<QWidget *, QWidget *>) {}
Tab::~Tab() { delete constraintMarks; }
void Tab::loadValues() {
    
}
void Tab::loadComboBox(ComboBoxEx *, vOption *) {
    
}
void Tab::fillComboBox(ComboBoxEx *, vOption *) {
    
}
void Tab::postReloadHook() {
    
}
void Tab::connectComboBox(ComboBoxEx *) {
    
}
void Tab::connectCheckBox(QCheckBox *) {
    
}
void Tab::connectSlider(QSlider *) {
    
}
void Tab::connectButtonGroup(VelButtonGroup *) {
    
}
void Tab::setErrorMark(QWidget *, const QString &, bool) {
    
}
void Tab::addCustomConstraints() {
    
}
QIcon Tab::tabIcon() {
    return QIcon();
}
QIcon Tab::tabConstraintIcon() {
    return QIcon();
}
void Tab::reload() {
    
}
QHash<QString, QString> Tab::collectOptions() {
    return {};
}
QHash<QString, QString> Tab::extraOptions() {
    return {};
}
void Tab::markConstraintLabel(const QString &) {
    
}
void Tab::clearConstraintMarks() {
    
}
void Tab::prepareConstraintMarks() {
    
}
bool Tab::isConstrained() {
    return false;
}
void Tab::retranslate() {
    
}
void Tab::markOptionForWidget(int, QWidget *) {
    
}
void Tab::markAllOptions() {
    
}
void Tab::markCustomConstraints() {
    
}
void Tab::resetCheckButtons() {
    
}
void Tab::setConstrained(bool) {
    
}
QString Tab::getTabName() {
    return QString();
}
void Tab::addConstraintMark(QWidget *, QWidget *) {
    
}
void Tab::removeConstraintMark(QWidget *) {
    
}
void Tab::blockAllSignals(bool) {
    
}
QString Tab::widgetValue(QWidget *, vOption *) {
    return QString();
}
QString Tab::choiceValueForCombo(vOption *, const QString &) {
    return QString();
}
void Tab::selectComboChoice(ComboBoxEx *, vOption *) {
    
}
void Tab::setComboItemDisabled(int, QComboBox *, bool) {
    
}
void Tab::updateLabels() {
    
}
void Tab::loadCheckBox(QCheckBox *, vOption *) {
    
}
void Tab::loadButtonGroup(VelButtonGroup *, vOption *) {
    
}
void Tab::loadCheckBoxButton(VelCheckBoxButton *, vOption *) {
    
}
QString Tab::sliderText(const QString &, int) {
    return QString();
}
void Tab::markOption(bool) {
    
}
void Tab::markOption(int) {
    
}
bool Tab::enableOptions() {
    return false;
}
bool Tab::enableOptionsForComboBox(ComboBoxEx *, vOption *) {
    return false;
}
bool Tab::enableOptionsForCheckBox(QCheckBox *, vOption *) {
    return false;
}
bool Tab::enableOptionsForCheckBoxButton(VelCheckBoxButton *, vOption *) {
    return false;
}
bool Tab::enableOptionsForButtonGroup(VelButtonGroup *, vOption *) {
    return false;
}
void Tab::CheckBoxMarkConstraints() {
    
}
void Tab::CheckBoxMarkConstraintsWithSender(VelCheckBoxButton *) {
    
}
void Tab::connectSignals() {
    
}
void Tab::connectIfComboBox(QWidget *) {
    
}
void Tab::connectIfCheckBox(QWidget *) {
    
}
void Tab::connectIfSlider(QWidget *) {
    
}
void Tab::connectIfButtonGroup(QWidget *) {
    
}
void Tab::connectToDialog(QObject *, const char *) {
    
}
QString Tab::storedValue(const QString &) {
    return QString();
}
