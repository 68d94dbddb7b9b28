#ifndef BOARDPAGE_H
#define BOARDPAGE_H

class TMainForm;

// The main window's built-in content: its components, their properties,
// texts and links, and the binding of their events to the window's
// handlers. The content is kept as tables and loaded in their order.
class BoardPage
{
public:
    static void Load(TMainForm &form);
};

#endif
