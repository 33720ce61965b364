#pragma once

#include "backwindow.h"
#include "recordstable.h"

#include <array>
#include <optional>

// "Form2": the ten best results, a name on the left and a score on the
// right of each row, place 1 at the top. It takes the table window's place
// on screen while it is shown. Rows are "Label1_k" (name) and "Label2_k"
// (score) for place k + 1.
class RecordsWindow final : public BackWindow
{
    Q_OBJECT

public:
    static constexpr int Rows = 10;

    explicit RecordsWindow(SoundSystem &sounds, QWidget *parent = nullptr);

    void showTable(const RecordsTable &table);
    void clearTable();

protected:
    void retranslate() override;

private:
    // A name or a score alone says nothing to a screen reader: each says
    // its place.
    void describeRows();

    std::array<QLabel *, Rows> m_names{};
    std::array<QLabel *, Rows> m_scores{};
    QLabel *m_heading = nullptr;
    std::optional<RecordsTable> m_shown; // said again in a new language
};
