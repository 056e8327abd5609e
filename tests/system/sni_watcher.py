#!/usr/bin/python3
"""A StatusNotifierItem watcher with a host registered on it, as the
notification areas of KDE Plasma, Xfce 4.18's panel and GNOME's AppIndicator
extension provide one, on the session bus it is started on.

Programs register their items here; whoever shows them (the tests) reads
RegisteredStatusNotifierItems and talks to each item directly. The property
IsStatusNotifierHostRegistered is published in the introspection data,
since that is where Qt looks for it before it decides to use this kind of
tray at all. An item whose program leaves the bus is dropped.

Usage: sni_watcher.py    (runs until it is ended; says "ready" on its
standard output once the watcher's name is taken)"""

import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"
PATH = "/StatusNotifierWatcher"
PROPERTIES = "org.freedesktop.DBus.Properties"

INTROSPECTION = f"""<!DOCTYPE node PUBLIC "-//freedesktop//DTD D-BUS Object Introspection 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd">
<node>
  <interface name="{WATCHER}">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
    <signal name="StatusNotifierHostUnregistered"/>
  </interface>
  <interface name="{PROPERTIES}">
    <method name="Get">
      <arg name="interface" type="s" direction="in"/><arg name="name" type="s" direction="in"/>
      <arg name="value" type="v" direction="out"/>
    </method>
    <method name="GetAll">
      <arg name="interface" type="s" direction="in"/><arg name="values" type="a{{sv}}" direction="out"/>
    </method>
    <method name="Set">
      <arg name="interface" type="s" direction="in"/><arg name="name" type="s" direction="in"/>
      <arg name="value" type="v" direction="in"/>
    </method>
  </interface>
  <interface name="org.freedesktop.DBus.Introspectable">
    <method name="Introspect"><arg name="data" type="s" direction="out"/></method>
  </interface>
</node>
"""


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.bus = bus
        self.items = []  # "service/path", in the order they came
        bus.add_signal_receiver(self.name_owner_changed, signal_name="NameOwnerChanged",
                                dbus_interface="org.freedesktop.DBus", path="/org/freedesktop/DBus")

    def name_owner_changed(self, name, old_owner, new_owner):
        if new_owner:
            return
        for item in [i for i in self.items if i.split("/", 1)[0] in (name, old_owner)]:
            self.items.remove(item)
            self.StatusNotifierItemUnregistered(item)

    @dbus.service.method("org.freedesktop.DBus.Introspectable", out_signature="s")
    def Introspect(self):
        return INTROSPECTION

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # A path alone names an object of the caller; a name, the item's usual path.
        if service.startswith("/"):
            item = sender + service
        else:
            item = service + "/StatusNotifierItem"
        if item not in self.items:
            self.items.append(item)
            self.StatusNotifierItemRegistered(item)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    def values(self):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(True),
            "ProtocolVersion": dbus.Int32(0),
        }

    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        values = self.values()
        if interface != WATCHER or name not in values:
            raise dbus.exceptions.DBusException(f"no property {interface}.{name}",
                                                name="org.freedesktop.DBus.Error.UnknownProperty")
        return values[name]

    @dbus.service.method(PROPERTIES, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self.values() if interface == WATCHER else {}

    @dbus.service.method(PROPERTIES, in_signature="ssv")
    def Set(self, interface, name, value):
        raise dbus.exceptions.DBusException(f"{interface}.{name} is read-only",
                                            name="org.freedesktop.DBus.Error.PropertyReadOnly")

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, item):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemUnregistered(self, item):
        pass

    @dbus.service.signal(WATCHER)
    def StatusNotifierHostRegistered(self):
        pass


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    watcher = Watcher(bus)
    # The host first, then the watcher that announces it: a program that sees
    # the watcher finds a host already there.
    host = dbus.service.BusName(f"org.kde.StatusNotifierHost-{os.getpid()}", bus, do_not_queue=True)
    name = dbus.service.BusName(WATCHER, bus, do_not_queue=True)
    watcher.StatusNotifierHostRegistered()
    print("ready", flush=True)
    GLib.MainLoop().run()
    del host, name


if __name__ == "__main__":
    sys.exit(main())
