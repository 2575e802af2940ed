# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads audio files with libsndfile, as the listening library does.

Through ctypes, so that the tools see exactly the samples the library's
reader gets (an MP3 decoded by libsndfile keeps the encoder's delay, for one).
"""
import ctypes
import ctypes.util

import numpy as np

SFM_READ = 0x10


class _Info(ctypes.Structure):
    _fields_ = [("frames", ctypes.c_int64), ("samplerate", ctypes.c_int),
                ("channels", ctypes.c_int), ("format", ctypes.c_int),
                ("sections", ctypes.c_int), ("seekable", ctypes.c_int)]


def _library():
    lib = ctypes.CDLL(ctypes.util.find_library("sndfile") or "libsndfile.so.1")
    lib.sf_open.restype = ctypes.c_void_p
    lib.sf_open.argtypes = [ctypes.c_char_p, ctypes.c_int, ctypes.POINTER(_Info)]
    lib.sf_readf_float.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_int64]
    lib.sf_readf_float.restype = ctypes.c_int64
    lib.sf_close.argtypes = [ctypes.c_void_p]
    lib.sf_strerror.argtypes = [ctypes.c_void_p]
    lib.sf_strerror.restype = ctypes.c_char_p
    return lib


_lib = None


def read(path):
    """(samples as float32 frames × channels, sample rate). Raises OSError."""
    global _lib
    _lib = _lib or _library()
    info = _Info()
    handle = _lib.sf_open(path.encode(), SFM_READ, ctypes.byref(info))
    if not handle:
        raise OSError(f"{path}: {_lib.sf_strerror(None).decode(errors='replace')}")
    blocks = []
    try:
        while True:
            buf = np.zeros((65536, info.channels), dtype=np.float32)
            n = _lib.sf_readf_float(handle, buf.ctypes.data, 65536)
            if n <= 0:
                break
            blocks.append(buf[:n])
    finally:
        _lib.sf_close(handle)
    data = np.concatenate(blocks) if blocks else np.zeros((0, info.channels), np.float32)
    return data, info.samplerate


def lag(reference, other, limit):
    """Samples by which `other` is late against `reference` (mono arrays),
    searched within ±limit, by cross-correlation."""
    n = min(len(reference), len(other))
    size = 1 << int(np.ceil(np.log2(2 * n)))
    c = np.fft.irfft(np.fft.rfft(other[:n], size) * np.conj(np.fft.rfft(reference[:n], size)), size)
    window = np.concatenate([c[: limit + 1], c[-limit:]])
    at = int(np.argmax(window))
    return at if at <= limit else at - len(window)
