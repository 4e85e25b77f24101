"""Generators of the program's WAVE recordings; run through ../gen_sounds.py."""
