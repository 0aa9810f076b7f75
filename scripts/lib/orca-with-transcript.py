"""Runs Orca for scripts/orca-check, writing down what it says.

    /usr/bin/python3 orca-with-transcript.py TRANSCRIPT [orca's options]

Each utterance goes to TRANSCRIPT as Orca hands it to speech, one a line:
"SPEECH OUTPUT: '...'" as Orca logs it, and "SAY ALL: '...'" for each part of a say-all, which
Orca passes to the speech server without logging it. Orca's own debug output (--debug-file)
says the same, but makes Orca query the program for every event it receives, which slows it
enough that it thins out the events of a cast as a flood, announcement included.

When Orca falls behind the program's events (more than 50 waiting), it drops those that do
not concern the focus, among them the events that show a notification; such a drop of a
notification as it is shown goes to TRANSCRIPT as "DROPPED IN A FLOOD: EVENT of the
notification '...'".

It also mends a race in python3-speechd: the client registers a message's callback only after
the server has answered with the message's id, and drops the events of a message that end
before that. With no sound device to wait for, an empty line of a say-all ends at once, and
Orca, which speaks the next line when the last one has ended, stops reading. Here the events
of a message that has no callback yet are kept, and handed over when its callback comes.
"""

import logging
import runpy
import sys

from speechd import client as speechd_client

ORCA = "/usr/bin/orca"
FINISHED = (speechd_client.CallbackType.END, speechd_client.CallbackType.CANCEL)
KEPT_MESSAGES = 64


def mend_speechd_callbacks():
    handler = speechd_client._CallbackHandler
    deliver = handler.__call__

    def call(self, msg_id, client_id, type, **kwargs):
        with self._lock:
            if client_id == self._client_id and msg_id not in self._callbacks:
                early = self.__dict__.setdefault("_early_events", {})
                early.setdefault(msg_id, []).append((type, kwargs))
                # Messages spoken without a callback never claim theirs.
                while len(early) > KEPT_MESSAGES:
                    del early[next(iter(early))]
                return
        deliver(self, msg_id, client_id, type, **kwargs)

    def add_callback(self, msg_id, callback, event_types):
        with self._lock:
            finished = False
            for type, kwargs in self.__dict__.get("_early_events", {}).pop(msg_id, []):
                if event_types is None or type in event_types:
                    callback(type, **kwargs)
                finished = finished or type in FINISHED
            if not finished:
                self._callbacks[msg_id] = (callback, event_types)

    handler.__call__ = call
    handler.add_callback = add_callback


class Transcript(logging.Handler):
    def __init__(self, path):
        super().__init__(logging.INFO)
        self._file = open(path, "a", encoding="utf-8")

    def emit(self, record):
        self.write(record.getMessage())

    def write(self, line):
        self.acquire()
        try:
            self._file.write(line.replace("\n", " ") + "\n")
            self._file.flush()
        finally:
            self.release()


def transcribe(transcript):
    from orca import speech

    speech.log.addHandler(transcript)
    say_all = speech.sayAll

    def transcribed_say_all(utterances, progress):
        def parts():
            for context, acss in utterances:
                transcript.write("SAY ALL: '%s'" % context.utterance)
                yield context, acss

        say_all(parts(), progress)

    speech.sayAll = transcribed_say_all


def record_dropped_notifications(transcript):
    import pyatspi
    from orca import event_manager

    def record(event):
        # Orca speaks a notification as it is shown. Only those events are looked at, so
        # that recording costs Orca next to nothing while it is behind.
        if not event.type.startswith("object:state-changed:showing"):
            return
        try:
            if event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                transcript.write("DROPPED IN A FLOOD: %s of the notification '%s'"
                                 % (event.type, event.source.name))
        except Exception:
            pass

    manager = event_manager.EventManager
    process_during_flood = manager._processDuringFlood
    ignore_during_deluge = manager._ignoreDuringDeluge

    def _processDuringFlood(self, event):
        process = process_during_flood(self, event)
        if not process:
            record(event)
        return process

    def _ignoreDuringDeluge(self, event):
        ignore = ignore_during_deluge(self, event)
        if ignore:
            record(event)
        return ignore

    manager._processDuringFlood = _processDuringFlood
    manager._ignoreDuringDeluge = _ignoreDuringDeluge


if __name__ == "__main__":
    mend_speechd_callbacks()
    transcript = Transcript(sys.argv[1])
    transcribe(transcript)
    record_dropped_notifications(transcript)
    sys.argv = [ORCA] + sys.argv[2:]
    runpy.run_path(ORCA, run_name="__main__")
