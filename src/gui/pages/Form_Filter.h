#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

namespace rinolux {

// "Filter": the paths and names of directories the trees leave out, one per line.
class Tff final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tff)

public:
    explicit Tff(const QStringList &zeilen, QWidget *eltern = nullptr);
    ~Tff() override;

    QStringList Zeilen() const;

private:
    QPlainTextEdit *m_meBaum = nullptr;
};

} // namespace rinolux
