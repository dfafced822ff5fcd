// The few widgets the window needs that Qt does not have as such: a radio group with "no option"
// as a state, a raised panel with a centred caption (and the smiley variant that draws its
// one-letter caption as a picture), and the status bar with its fixed panels.
#pragma once

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

namespace belegix {

class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    explicit RadioGroup(QWidget* parent = nullptr);

    int count() const { return static_cast<int>(buttons_.size()); }
    QString itemText(int i) const;
    QStringList items() const;
    QRadioButton* button(int i) const;
    // -1 when no option is selected.
    int index() const;
    // Out of range, including -1: no option selected. Emits nothing.
    void setIndex(int i);
    void clearItems();
    void addItem(const QString& text);

  signals:
    // The student clicked option `index`.
    void picked(int index);
    // The options were replaced; the window puts the new ones into its tab order.
    void itemsChanged();

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    void layoutButtons();
    // The keyboard focus given to the group goes to its selected option, or the first one.
    void updateFocusProxy();
    QButtonGroup group_;
    std::vector<QRadioButton*> buttons_;
};

// A raised panel with a centred caption. As a smiley panel it draws "J", "K", "L" and "M" as a
// smiling, neutral and frowning face and a bomb in its font colour; other captions as text.
class Panel : public QFrame {
    Q_OBJECT
  public:
    explicit Panel(bool smiley, QWidget* parent = nullptr);
    QString text() const { return text_; }
    void setText(const QString& text);

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    void paintSmiley(QPainter& p, const QRectF& box, QChar which) const;
    bool smiley_;
    QString text_;
};

class StatusBar : public QFrame {
    Q_OBJECT
  public:
    StatusBar(const std::array<int, 3>& widths, QWidget* parent = nullptr);
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    static void fitPanel(QLabel* label);
    std::array<int, 3> widths_;
    std::array<QLabel*, 4> panels_{};
};

}  // namespace belegix
