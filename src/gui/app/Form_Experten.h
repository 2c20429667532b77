#pragma once

#include <QDialog>

namespace rinolux {

// The expert settings form gg: three options that take effect at the next start and the
// button that starts the run log anew. Opened by the window's hidden key sequence.
class Tgg final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tgg)

public:
    explicit Tgg(QWidget *eltern = nullptr);
    ~Tgg() override;

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace rinolux
