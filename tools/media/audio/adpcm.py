"""IMA ADPCM in a WAVE file (format tag 0x0011), the compressed form the program carries.

Four bits a sample instead of sixteen. Windows plays such a file through its own audio codecs
(PlaySound hands it to the wave mapper, which decodes it), so the program itself decodes nothing.

Each recording is packed at twice its own rate (half the size of the PCM file rather than a
quarter). At its own rate the codec's error on the words' hissing consonants ("six", "its")
comes to a sixth of the signal; oversampled, the samples follow one another closely enough for
the error to stay at least 24 dB under the signal in every recording. The interpolation is
band-limited and keeps every original sample: sample 2k of the packed recording is sample k of
the original, before the codec's error.

Layout, mono: blocks of BLOCK_ALIGN bytes, each a 4-byte header (the block's first sample as a
little-endian int16, the step index, a zero byte) followed by one 4-bit code for each further
sample, low nibble first. The codecs drop a block that is not whole, so the last block is filled
up with encoded silence; the "fact" chunk tells the true number of samples.
"""

import os
import struct
import wave

import numpy as np

FORMAT_IMA_ADPCM = 0x0011
BLOCK_ALIGN = 256
SAMPLES_PER_BLOCK = (BLOCK_ALIGN - 4) * 2 + 1  # 505

STEPS = (
    7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34, 37, 41, 45, 50, 55, 60, 66,
    73, 80, 88, 97, 107, 118, 130, 143, 157, 173, 190, 209, 230, 253, 279, 307, 337, 371, 408,
    449, 494, 544, 598, 658, 724, 796, 876, 963, 1060, 1166, 1282, 1411, 1552, 1707, 1878, 2066,
    2272, 2499, 2749, 3024, 3327, 3660, 4026, 4428, 4871, 5358, 5894, 6484, 7132, 7845, 8630,
    9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794,
    32767,
)
INDEX_CHANGE = (-1, -1, -1, -1, 2, 4, 6, 8)
LAST_INDEX = len(STEPS) - 1


def encode_block(samples, index):
    """One whole block from SAMPLES_PER_BLOCK int samples, starting at step `index`. Returns the
    block's bytes and the step index the next block starts with."""
    header = struct.pack("<hBB", samples[0], index, 0)
    predicted = samples[0]
    codes = bytearray()
    for sample in samples[1:]:
        step = STEPS[index]
        difference = sample - predicted
        code = 8 if difference < 0 else 0
        difference = abs(difference)
        # Three bits of difference / step by successive approximation; `change` is exactly what
        # the decoder adds, so the two never drift apart.
        change = step >> 3
        if difference >= step:
            code |= 4
            difference -= step
            change += step
        if difference >= step >> 1:
            code |= 2
            difference -= step >> 1
            change += step >> 1
        if difference >= step >> 2:
            code |= 1
            change += step >> 2
        predicted = predicted - change if code & 8 else predicted + change
        predicted = -32768 if predicted < -32768 else 32767 if predicted > 32767 else predicted
        index = min(max(index + INDEX_CHANGE[code & 7], 0), LAST_INDEX)
        codes.append(code)
    body = bytes(low | (high << 4) for low, high in zip(codes[0::2], codes[1::2]))
    return header + body, index


def encode(samples):
    """The data chunk's bytes for a list of int16 samples, in whole blocks."""
    padded = list(samples) + [0] * (-len(samples) % SAMPLES_PER_BLOCK)
    blocks = []
    index = 0
    for start in range(0, len(padded), SAMPLES_PER_BLOCK):
        block, index = encode_block(padded[start:start + SAMPLES_PER_BLOCK], index)
        blocks.append(block)
    return b"".join(blocks)


def wav_bytes(samples, rate):
    """A whole mono IMA ADPCM WAVE file of int16 `samples` at `rate` Hz."""
    data = encode(samples)
    bytes_per_second = rate * BLOCK_ALIGN // SAMPLES_PER_BLOCK
    fmt = struct.pack("<HHIIHHHH", FORMAT_IMA_ADPCM, 1, rate, bytes_per_second, BLOCK_ALIGN, 4, 2,
                      SAMPLES_PER_BLOCK)
    fact = struct.pack("<I", len(samples))
    chunks = b"".join(
        name + struct.pack("<I", len(body)) + body + b"\0" * (len(body) & 1)
        for name, body in ((b"fmt ", fmt), (b"fact", fact), (b"data", data)))
    return b"RIFF" + struct.pack("<I", 4 + len(chunks)) + b"WAVE" + chunks


def twice_the_rate(samples):
    """The int16 `samples` at twice their rate, band-limited (by the spectrum padded with
    zeros): the even samples are the given ones, the odd ones lie between them."""
    count = len(samples)
    spectrum = np.fft.rfft(np.asarray(samples, dtype=np.float64))
    padded = np.zeros(count + 1, dtype=complex)
    padded[:len(spectrum)] = spectrum
    if count % 2 == 0:
        padded[count // 2] /= 2  # the old Nyquist bin is now shared by two frequencies
    doubled = np.fft.irfft(padded, 2 * count) * 2
    return np.clip(np.rint(doubled), -32768, 32767).astype(int).tolist()


def pack_wav(source, target):
    """Writes the 16-bit PCM WAVE file `source` as IMA ADPCM at twice its rate to `target`,
    which appears under its name only once complete."""
    with wave.open(source, "rb") as pcm:
        if pcm.getnchannels() != 1 or pcm.getsampwidth() != 2:
            raise ValueError(f"{source}: not mono 16-bit PCM")
        rate = pcm.getframerate()
        frames = pcm.readframes(pcm.getnframes())
    samples = np.frombuffer(frames, dtype="<i2")
    temporary = target + ".part"
    try:
        with open(temporary, "wb") as out:
            out.write(wav_bytes(twice_the_rate(samples), 2 * rate))
        os.replace(temporary, target)
    finally:
        if os.path.exists(temporary):
            os.remove(temporary)
