#include "DockOption.h"

DockOption DockOption::of(int option)
{
    static const DockOption table[count] = {
        {DockableWidget::Undocked, false},    {DockableWidget::DockedTop, false},
        {DockableWidget::DockedRight, false}, {DockableWidget::DockedBottom, false},
        {DockableWidget::DockedLeft, false},  {DockableWidget::DockedTop, true},
        {DockableWidget::DockedRight, true},  {DockableWidget::DockedBottom, true},
        {DockableWidget::DockedLeft, true},
    };
    return isValid(option) ? table[option] : DockOption();
}
