"""What the seed writers share: where the corpora live and how a seed is
written (named by its hash, so writing one again changes nothing)."""
import hashlib, os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "fuzz", "corpus")
PT = "com.lumeral.vrk.printsettings."

def put(harness, data):
    if isinstance(data, str):
        data = data.encode("utf-8", "surrogateescape")
    d = os.path.join(OUT, harness)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, hashlib.sha1(data).hexdigest()[:16]), "wb") as f:
        f.write(data)

def read(rel):
    with open(os.path.join(ROOT, rel), "rb") as f:
        return f.read()
