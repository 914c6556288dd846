# SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A speech server that says nothing: orca/speech.py logs every utterance before handing it over.
from orca import speechserver


class SpeechServer(speechserver.SpeechServer):
    _one = None

    @staticmethod
    def getFactoryName():
        return "No speech (log only)"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._one is None:
            SpeechServer._one = SpeechServer()
        return SpeechServer._one

    @staticmethod
    def shutdownActiveServers():
        pass

    def getInfo(self):
        return ["No speech", "nullspeech"]

    def getVoiceFamilies(self):
        return []


# Orca 48 calls the server by newer names.
for _name in ("speak", "speak_character", "speak_key_event", "stop", "shutdown"):
    setattr(SpeechServer, _name, lambda self, *args, **kwargs: None)
SpeechServer.get_info = SpeechServer.getInfo
SpeechServer.get_voice_families = SpeechServer.getVoiceFamilies
