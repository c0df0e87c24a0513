"""The running program as a screen reader sees it (AT-SPI): `bus` starts the
accessibility bus (before the program), `labels` prints every label's text,
`focused` the name of the item with the keyboard focus."""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def nodes(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from nodes(child)


def program():
    desktop = Atspi.get_desktop(0)
    for _ in range(50):  # the program may still be registering
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == "cellwright":
                return app
        time.sleep(0.1)
    sys.exit("cellwright is not on the accessibility bus")


def main(command, *args):
    if command == "bus":
        Atspi.get_desktop(0).get_child_count()
        return
    everything = list(nodes(program()))
    if command == "labels":
        for node in everything:
            if node.get_role_name() == "label":
                print(node.get_name())
    elif command == "focused":
        for node in everything:
            if node.get_state_set().contains(Atspi.StateType.FOCUSED):
                print(node.get_name())
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(*sys.argv[1:])
