#!/usr/bin/python3
"""A stand-in org.freedesktop.portal.Desktop that misbehaves on demand, for the picker's failure paths.

    fake_portal.py MODE_FILE PICTURE

Owns the portal's name on the session bus it is given, prints READY, and reads MODE_FILE at every call:
  cancel        the user cancelled (Response 1)
  refuse        the request failed (Response 2)
  hang          the request is taken and never answered
  bad-types     a Response whose arguments are not (ua{sv})
  uri-type      a Response whose "uri" is a number
  picture       a Response naming PICTURE
  other-handle  the call returns another request's path, and the Response comes there
  pick RGB      no screenshots (UnknownMethod); PickColor answers with the channels R,G,B
Each call is logged to stdout as CALL <method> <mode>.
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

REQUEST = "org.freedesktop.portal.Request"


class Request(dbus.service.Object):
    @dbus.service.signal(REQUEST, signature="ua{sv}")
    def Response(self, code, results):
        pass

    @dbus.service.method(REQUEST, in_signature="", out_signature="")
    def Close(self):
        print("CLOSE", self.__dbus_object_path__, flush=True)
        self.remove_from_connection()


class BadRequest(dbus.service.Object):
    @dbus.service.signal(REQUEST, signature="sa{sv}")
    def Response(self, code, results):
        pass


class Portal(dbus.service.Object):
    def __init__(self, bus, mode_file, picture):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.bus, self.mode_file, self.picture = bus, mode_file, picture

    def mode(self):
        with open(self.mode_file) as f:
            return f.read().split()

    def request_path(self, sender, options):
        return "/org/freedesktop/portal/desktop/request/%s/%s" % (sender[1:].replace(".", "_"), options["handle_token"])

    def answer(self, kind, path, code, results):
        def emit():
            request = kind(self.bus, path)
            request.Response(code, results)
            if kind is BadRequest:
                request.remove_from_connection()
            return False
        GLib.timeout_add(20, emit)

    @dbus.service.method("org.freedesktop.portal.Screenshot", in_signature="sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def Screenshot(self, parent, options, sender):
        mode = self.mode()
        print("CALL Screenshot", " ".join(mode), flush=True)
        if mode[0] == "pick":
            raise dbus.exceptions.DBusException("No such method", name="org.freedesktop.DBus.Error.UnknownMethod")
        path = self.request_path(sender, options)
        if mode[0] == "other-handle":
            path += "_elsewhere"
        answers = {
            "cancel": (Request, 1, {}),
            "refuse": (Request, 2, {}),
            "bad-types": (BadRequest, "0", {}),
            "uri-type": (Request, 0, {"uri": dbus.Int32(5)}),
            "picture": (Request, 0, {"uri": "file://" + self.picture}),
            "other-handle": (Request, 0, {"uri": "file://" + self.picture}),
        }
        if mode[0] in answers:
            kind, code, results = answers[mode[0]]
            self.answer(kind, path, code, dbus.Dictionary(results, signature="sv"))
        elif mode[0] == "hang":
            Request(self.bus, path)  # taken, so it can be closed, but never answered
        return dbus.ObjectPath(path)

    @dbus.service.method("org.freedesktop.portal.Screenshot", in_signature="sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def PickColor(self, parent, options, sender):
        mode = self.mode()
        print("CALL PickColor", " ".join(mode), flush=True)
        path = self.request_path(sender, options)
        channels = dbus.Struct([float(c) for c in mode[1].split(",")], signature="ddd")
        self.answer(Request, path, 0, dbus.Dictionary({"color": channels}, signature="sv"))
        return dbus.ObjectPath(path)


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus, do_not_queue=True)
    Portal(bus, sys.argv[1], sys.argv[2])
    print("READY", flush=True)
    GLib.MainLoop().run()
    del name


if __name__ == "__main__":
    main()
