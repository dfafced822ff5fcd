#!/usr/bin/python3
"""What a client without the screen's password gets from the virtual screen's ports.

    rfb_probe.py vnc PORT          prints the security types offered and the answer to a wrong
                                   VNC password ("types 2", "auth failed")
    rfb_probe.py ws PORT ORIGIN    opens a WebSocket with this Origin; prints the HTTP status line
                                   and, when let through, the first bytes that come through it
"""
import base64
import os
import socket
import sys


def exact(sock, n):
    data = b""
    while len(data) < n:
        chunk = sock.recv(n - len(data))
        if not chunk:
            break
        data += chunk
    return data


def vnc(sock):
    version = exact(sock, 12)
    print("version", version.decode(errors="replace").strip())
    if not version.startswith(b"RFB "):
        return
    sock.sendall(b"RFB 003.008\n")
    count = exact(sock, 1)
    types = list(exact(sock, count[0])) if count else []
    print("types", " ".join(map(str, types)))
    if 1 in types:
        sock.sendall(b"\x01")
        print("auth none accepted")
    elif 2 in types:
        sock.sendall(b"\x02")
        exact(sock, 16)  # the challenge
        sock.sendall(bytes(16))  # an answer without the password
        result = exact(sock, 4)
        print("auth", "ok" if result == bytes(4) else "failed")


def websocket(sock, port, origin):
    key = base64.b64encode(os.urandom(16)).decode()
    sock.sendall((f"GET /websockify HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n"
                  "Upgrade: websocket\r\nConnection: Upgrade\r\n"
                  f"Sec-WebSocket-Key: {key}\r\nSec-WebSocket-Version: 13\r\n"
                  f"Origin: {origin}\r\n\r\n").encode())
    head = b""
    while b"\r\n\r\n" not in head:
        chunk = sock.recv(1)
        if not chunk:
            break
        head += chunk
    status = head.split(b"\r\n")[0].decode(errors="replace")
    print("status", status)
    if " 101 " in status:
        frame = exact(sock, 2)
        length = frame[1] & 0x7F if len(frame) == 2 else 0
        print("through", exact(sock, length)[:12])


def main():
    mode, port = sys.argv[1], int(sys.argv[2])
    with socket.create_connection(("127.0.0.1", port), timeout=5) as sock:
        if mode == "vnc":
            vnc(sock)
        else:
            websocket(sock, port, sys.argv[3])


main()
