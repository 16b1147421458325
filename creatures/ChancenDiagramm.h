#pragma once

#include <QWidget>

#include <memory>

namespace Gewinnchancen {
struct Ergebnis;
}

// The odds of the last run as a chart: a bar for each outcome with its 95 % interval, a bar for each
// member's survival, and the seed the run can be repeated with. Before a run, and while one works, a line
// of text instead.
class ChancenDiagramm : public QWidget {
    Q_OBJECT
public:
    explicit ChancenDiagramm(QWidget* eltern = nullptr);
    ~ChancenDiagramm() override;

    void ErgebnisSetzen(const Gewinnchancen::Ergebnis& ergebnis);
    // Shows the text and forgets the result.
    void TextSetzen(const QString& text);

    // The result shown, or nullptr.
    const Gewinnchancen::Ergebnis* Ergebnis() const { return m_ergebnis.get(); }
    const QString& Text() const { return m_text; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    std::unique_ptr<Gewinnchancen::Ergebnis> m_ergebnis;
    QString m_text;
};
