#include "boardpagewindow.h"

#include "figure.h"
#include "tboardhighlight.h"

#include <QCoreApplication>

#include <algorithm>
#include <stdexcept>

std::unique_ptr<TMainForm> ShownMainForm()
{
    auto form = std::make_unique<TMainForm>();
    form->showMaximized();
    const auto start = std::chrono::steady_clock::now();
    const QList<TBoardHighlight *> highlights = Highlights(*form);
    while (!std::all_of(highlights.begin(), highlights.end(),
                        [](const TBoardHighlight *highlight) { return highlight->Prepared(); })) {
        if (MillisecondsSince(start) > 10000)
            throw std::runtime_error("the board page's highlights were never painted");
        QCoreApplication::processEvents();
    }
    return form;
}

QList<TBoardHighlight *> Highlights(const TMainForm &form)
{
    return { form.PullHighlight,  form.PowerHighlight,  form.USBHighlight,   form.DCINHighlight,
             form.DataHighlight0, form.LedHighlight,    form.DataHighlight1, form.MiniUSBHighlight };
}
