#!/usr/bin/env python3
"""Update servers on 127.0.0.1 for the update check's end-to-end test, one port per way of
answering. "start DIR" returns once DIR/ports lists "name port" lines; "stop DIR" ends them
(they also end by themselves after ten minutes). DIR/requests logs "name request" and, once
the client has closed, "name closed SECONDS" (how long the connection stayed open)."""
import os, signal, socket, sys, threading, time


def answer(body):
    return f"HTTP/1.0 200 OK\r\nContent-Length: {len(body)}\r\n\r\n".encode() + body


ANSWERS = {"newer": answer(b"Ovix 1.2.1\n"), "same": answer(b"Ovix 1.2.0\n"),
           "silent": None}  # reads the request and never answers


def serve(log, name, connection):
    opened = time.monotonic()
    with connection:
        try:
            request = b""
            while b"\r\n\r\n" not in request and (part := connection.recv(4096)):
                request += part
            print(name, "request", file=open(log, "a"))
            if ANSWERS[name]:
                connection.sendall(ANSWERS[name])
                connection.shutdown(socket.SHUT_WR)
            while connection.recv(4096):
                pass
        except OSError:
            pass  # the client hung up first
    print(name, "closed", f"{time.monotonic() - opened:.2f}", file=open(log, "a"))


def accept(server, log, name):
    while True:
        threading.Thread(target=serve, args=(log, name, server.accept()[0]), daemon=True).start()


def run(directory):
    lines, log = [], os.path.join(directory, "requests")
    for name in ANSWERS:
        server = socket.create_server(("127.0.0.1", 0))
        lines.append(f"{name} {server.getsockname()[1]}\n")
        threading.Thread(target=accept, args=(server, log, name), daemon=True).start()
    open(os.path.join(directory, "ports.tmp"), "w").writelines(lines)
    os.replace(os.path.join(directory, "ports.tmp"), os.path.join(directory, "ports"))
    time.sleep(600)


command, directory = sys.argv[1], os.path.abspath(sys.argv[2])
pid_file = os.path.join(directory, "pid")
if command == "stop":
    os.kill(int(open(pid_file).read()), signal.SIGTERM)
    sys.exit()
os.makedirs(directory, exist_ok=True)
for stale in ("ports", "requests"):
    if os.path.exists(os.path.join(directory, stale)):
        os.remove(os.path.join(directory, stale))
if (child := os.fork()) == 0:
    os.setsid()
    for stream in (0, 1, 2):
        os.dup2(os.open(os.devnull, os.O_RDWR), stream)
    run(directory)
open(pid_file, "w").write(str(child))
for _ in range(200):
    if os.path.exists(os.path.join(directory, "ports")):
        sys.exit()
    time.sleep(0.05)
sys.exit("update servers did not start")
