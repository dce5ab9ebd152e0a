#pragma once

#include <QComboBox>
#include <QStringList>

namespace vantorel {

// A drop-down list of MIDI ports that is kept current: opening it asks for a
// fresh list first (opening()), and setPorts() replaces the items while the
// chosen port stays chosen, without reporting a change of choice. A chosen
// port that has gone stays in the list, chosen and marked "(gone)", until it
// is back or the user picks another.
class PortListBox : public QComboBox {
    Q_OBJECT
public:
    explicit PortListBox(QWidget* parent = nullptr);

    // The items become `names`; `chosen` is selected when it is among them;
    // when it is `gone`, it is added as "<name> (gone)" and selected;
    // otherwise the first item is (or nothing when the list is empty).
    void setPorts(const QStringList& names, const QString& chosen, bool gone = false);
    // The ports present (without the gone one).
    QStringList ports() const;
    // The port name of the item selected: the gone port's name for its item.
    QString chosenPort() const;
    // The gone port's item is selected.
    bool goneChosen() const;
    // Selects the port of the same device as `otherPort` (the other direction
    // of one MIDI client, "dev:in" for "dev:out"); false when there is none.
    bool chooseSameDevice(const QString& otherPort);

    void showPopup() override;

signals:
    // The user opens the list: refresh it now (the popup shows the result).
    void opening();

protected:
    // The "(gone)" mark follows the language.
    void changeEvent(QEvent* event) override;

private:
    QString m_gone; // the chosen port that has gone, while it is listed
};

} // namespace vantorel
